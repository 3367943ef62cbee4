// A quick scan of a source file for the names it defines, run over the
// files of a parallel run before they are analysed: the names of its
// #define lines and of its namespace and package lines. It reads lines
// only, without the analysis's lexical state; a name it gets wrong costs a
// file analysed again, never a wrong report (see recognise/run_names.h).
#ifndef KLV_DRIVER_DEFINE_SCAN_H_
#define KLV_DRIVER_DEFINE_SCAN_H_

#include <string>
#include <vector>

struct FileDefines {
  std::vector<std::string> macros;
  std::vector<std::string> namespaces;
};

// The names file `name` defines, in the order written; none when it cannot
// be read.
FileDefines ScanDefines(const std::string& name);
// The names one line defines, added to `defines`.
void ScanDefineLine(const char* line, FileDefines& defines);

#endif  // KLV_DRIVER_DEFINE_SCAN_H_
