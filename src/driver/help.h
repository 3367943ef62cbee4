// The help screens: the full syntax text, the help document and the list
// of quality notice types.
#ifndef KLV_DRIVER_HELP_H_
#define KLV_DRIVER_HELP_H_

#include "base/globals.h"

// The full syntax text of -hs (also the start of the help document).
void ShowAllSyntax(ReportSink& out, const RunSettings& G);
// The full help document: header, syntax text, chapters, one section per
// option.
void ShowHelp(ReportSink& out, const RunSettings& G);
// The list of quality notice types of -hn.
void ShowNotices(ReportSink& out, const RunSettings& G);

// One chapter of the help document: a centred title and its paragraphs.
struct HelpChapter {
  const char* title;
  const char* text;
};

// One option section: its title line, its syntax line and the explanation.
struct HelpSection {
  const char* title;
  const char* syntax;
  const char* text;
};

extern const HelpChapter kHelpChapters[12];
extern const HelpSection kHelpSections[32];

#endif  // KLV_DRIVER_HELP_H_
