// The names a run accumulates over its files, as the recognisers ask for
// them: macro names, class and interface records, namespace and package
// names. In a serial run the answers are the run's own. A file analysed
// apart (a parallel run) answers from its own names, from the names the
// quick scan found in the files before it and from copies of the run's
// class records, and logs what it asked; the merge step takes the file
// only when every answer is what the run, with the files before it
// merged, would have given.
#ifndef KLV_RECOGNISE_RUN_NAMES_H_
#define KLV_RECOGNISE_RUN_NAMES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/globals.h"

// True when `name` is a macro name: in the macro file, or #defined before
// (in this file up to here, or in an earlier file).
bool IsMacroName(std::string_view name, Globals& G);
// True when `name` is the name of a namespace or package seen before.
bool IsNamespaceName(const std::string& name, Globals& G);
// Thrown by a lookup of a file analysed apart whose answer the run is
// already known to give otherwise: the file will be analysed again at its
// merge, so the rest of its analysis apart would be wasted.
struct ApartAnswerWrong {};

// The record of a class or struct, or of an interface (by its stored
// name, "Interface-" + name); null when there is none yet. A file
// analysed apart that finds a class among the run's records works on a
// copy of it; an interface the run has merged a record for throws
// ApartAnswerWrong.
NodeData* FindClassRecord(const std::string& name, Globals& G);
NodeData* FindInterfaceRecord(const std::string& stored, Globals& G);
// Tells the log of a file analysed apart that the file took `name` out of
// its class index, where it listed `record`: when that is the copy of a
// run's record found by that name, the run no longer lists it either.
void NoteClassUnlisted(const std::string& name, const NodeData* record,
                       ApartLog& apart);

// True when every answer the file analysed apart was given, as `apart`
// logged them, agrees with the run `G` as it stands now. `scan_misses` are
// the hashes (HashName64) of the macro names the scan got wrong in the
// files merged so far: the only names whose answer may be wrong.
bool ApartAnswersHold(const ApartLog& apart,
                      const std::vector<uint64_t>& scan_misses,
                      const RunTotals& G);
// Adds what the file analysed apart recorded (`from`, with its `log`) to
// the run, in the order it recorded it: functions, classes, interfaces
// and namespaces; the copies of the run's class records replace them. The
// lists of `from` are emptied. Its macro names are left to the caller,
// which wants them only before a file analysed again.
void MergeApartRecords(RunTotals& from, ApartLog& log, Globals& G);

#endif  // KLV_RECOGNISE_RUN_NAMES_H_
