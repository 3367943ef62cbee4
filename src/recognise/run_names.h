// The names a run accumulates over its files, as the recognisers ask for
// them: macro names, class and interface records, namespace and package
// names. In a serial run the answers are the run's own. A file analysed
// apart (a parallel run) answers from its own names and from the names
// the scan before the run found in the files before it, and logs each
// answer; the merge step takes the file only when every logged answer is
// what the run, with the files before it merged, would have given.
#ifndef KLV_RECOGNISE_RUN_NAMES_H_
#define KLV_RECOGNISE_RUN_NAMES_H_

#include <string>
#include <string_view>

#include "base/globals.h"

// True when `name` is a macro name: in the macro file, or #defined before
// (in this file up to here, or in an earlier file).
bool IsMacroName(std::string_view name, Globals& G);
// True when `name` is the name of a namespace or package seen before.
bool IsNamespaceName(const std::string& name, Globals& G);
// The record of a class or struct, or of an interface (by its stored
// name, "Interface-" + name); null when there is none yet.
NodeData* FindClassRecord(const std::string& name, Globals& G);
NodeData* FindInterfaceRecord(const std::string& stored, Globals& G);

// True when every answer logged by the file analysed apart in `W` agrees
// with the run `G` as it stands now.
bool ApartAnswersHold(const Globals& W, const Globals& G);
// Adds what the file analysed apart in `W` recorded to the run, in the
// order it recorded it: functions, classes, interfaces, namespaces and
// macro names. `W`'s lists are emptied.
void MergeApartRecords(Globals& W, Globals& G);

#endif  // KLV_RECOGNISE_RUN_NAMES_H_
