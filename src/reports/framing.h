// Report framing: the header of a run, the section titles, the block that
// opens each file's report, source-file links, the trailer
// of each file, the project title and the HTML page frame.
#ifndef KLV_REPORTS_FRAMING_H_
#define KLV_REPORTS_FRAMING_H_

#include <string>

#include "base/globals.h"
#include "base/name_wrap.h"

// The report header; `syntax_error` adds the command-line error block.
void ShowHeader(ReportSink& out, const RunSettings& G, int syntax_error);
// The centred titles of the analyses switched on.
void ShowFMCHeader(ReportSink& out, const RunSettings& G);

// Writes the block that opens a file's report and records the file's size
// and modification time.
void EmitFilename(const std::string& path, Globals& G);

// The link target of a source file; removes a trailing '/' or '\' from
// `path` itself.
std::string PathFile(std::string& path, const RunSettings& G);
// The href value for a source file (with "file://" for absolute links).
std::string HTMLPathFile(const std::string& path, const RunSettings& G);

// Prints the 72-character section marker "--- <label> Line: <n> ---" that
// frames a function or macro of the scan.
void ShowStateLine(ReportSink& G, int line_number, const char* label);

// The rule and "End of File" line after a file's report sections.
void EndOfFileTrailer(const std::string& path, Globals& G);
// "~~ Project Analysis For N Files ~~", centred.
void ProjectTitle(ReportSink& out, const Globals& G);

// The CSV preamble of an automated run.
void CSV_Header(ReportSink& out, const RunSettings& G);

// The project reports selected for a totals-only run, in their fixed order.
void ShowTotalReport(Globals& G);

#endif  // KLV_REPORTS_FRAMING_H_
