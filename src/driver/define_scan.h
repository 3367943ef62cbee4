// A quick scan of a source file for the names it defines, run over each
// file of a parallel run before it is analysed: the names of its
// #define lines and of its namespace and package lines. It reads lines
// only, without the analysis's lexical state; a name it gets wrong costs a
// file analysed again, never a wrong report (see recognise/run_names.h).
#ifndef KLV_DRIVER_DEFINE_SCAN_H_
#define KLV_DRIVER_DEFINE_SCAN_H_

#include <string>
#include <vector>

#include "files/source_text.h"
#include "lists/macro_names.h"

struct FileDefines {
  std::vector<std::string> macros;
  std::vector<std::string> namespaces;
};

// The names the source `name`, held in `source`, defines, in the order
// written; none when it is not held. The text is left as it was.
FileDefines ScanSourceText(const std::string& name, SourceText& source);
// The names one line defines, added to `defines`.
void ScanDefineLine(const char* line, FileDefines& defines);
// The macro names on which the scan of a file (`scanned`) and its analysis
// disagree: the names the analysis defined (the entries of `defined` from
// `from` on) that the scan did not find, and the other way round.
std::vector<std::string> ScanMisses(const std::vector<std::string>& scanned,
                                    const MacroNames& defined, size_t from);

#endif  // KLV_DRIVER_DEFINE_SCAN_H_
