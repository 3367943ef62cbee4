// The printable code listing of -p: paginated, numbered source lines with
// a page header, margins and wrapped long lines.
#ifndef KLV_LISTING_LISTING_H_
#define KLV_LISTING_LISTING_H_

#include <cstdio>
#include <string>

#include "base/globals.h"

// Appends left_margin blanks to the margin text.
void SetLeftMargin(RunSettings& G);
// Builds the page rules and the centred title line; a title wider than the
// line ends the run (ExitRequest 1).
void SetBars(Globals& G);
// top_margin empty lines.
void PutTopMargin(ReportSink& out, const RunSettings& G);
// The page header: title, file and page line, date line, top rule.
void SetHeaderLine(const std::string& path, int page, ReportSink& out,
                   const RunSettings& G);
// Prints one source line (with its line end) wrapped to the text width;
// returns the number of printed lines.
int PutLine(const std::string& line, long line_no, ReportSink& sink,
            const RunSettings& G);
// Lists one file.
void PrintCode(FILE* in, const std::string& path, Globals& G);
// The smallest integer not below `value`.
double Ceil(double value);

#endif  // KLV_LISTING_LISTING_H_
