// The command line: option letters into the run's flags and values.
#ifndef KLV_DRIVER_OPTIONS_H_
#define KLV_DRIVER_OPTIONS_H_

#include "base/exit_request.h"
#include "base/globals.h"

// The last line of most option errors.
constexpr const char kUseHelp[] = "Use -hs for help text";

// Parses the whole command line into G. Returns only when an analysis run
// is to follow; otherwise throws ExitRequest.
void SetUpParams(int argc, char** argv, Globals& G);

// Prints the short syntax screen, with the syntax-error block when asked.
void ShowSyntax(Globals& G, int syntax_error);

// The index of the first file operand: options are skipped, and only -r,
// -O and a bare -X take the following word with them.
int FirstOperand(int argc, char** argv, ReportSink& G);

#endif  // KLV_DRIVER_OPTIONS_H_
