// The one emission rule of quality notices, the one-line notice forms, the
// notice list and the catalogue's one-line texts.
#ifndef KLV_NOTICES_EMIT_H_
#define KLV_NOTICES_EMIT_H_

#include <string>

#include "base/globals.h"

// Applies the emission rule to notice `n` raised at `line` of `file`: a
// disabled notice does nothing; an enabled one is counted for the file and
// the run, then printed in one-line form and recorded, or only recorded, as
// the options ask. Returns true when the caller must print the notice's
// long text (plain, or HTML with -H) itself. `control_kind` is the control
// keyword of notice 22 (1 do, 2 else, 3 for, 4 if, 5 while).
bool RecordNoticeAt(int n, const std::string& file, int line, Globals& G,
                    int control_kind = 0);

// The emission rule for the current file.
bool RecordNotice(int n, int line, Globals& G);

// When the options make a notice no more than a count (nothing printed,
// listed or kept), applies the emission rule to `times` notices `n` at
// once and returns true; otherwise does nothing and returns false.
bool CountNotices(int n, int times, const RunSettings& S,
                  FileMetrics& metrics, RunTotals& T);

// Issues notice `n` at `line` of the current file; `print_long` writes its
// long text when wanted.
template <typename PrintLong>
void IssueNotice(int n, int line, Globals& G, PrintLong&& print_long) {
  if (RecordNotice(n, line, G)) print_long();
}

// Prints the one-line form of a notice when a notice list format was chosen,
// and records it in the notice list. Returns 1 when it was recorded.
int EmitNotice(const std::string& file, int line, int n, Globals& G,
               int control_kind = 0);

// Formats the one-line notice texts with the limits in force. The driver
// calls it once the settings are complete, before the first file, so that
// the texts are then only read.
void FormatNoticeTexts(RunSettings& G);

// The one-line text of notice n; "Unsupported" outside 1..45. The texts
// are those of FormatNoticeTexts; before it, the limits in force are
// formatted in.
std::string GetNoticeStr(int n, const RunSettings& G);

// The control keyword named by notice 22 for a control kind; " " when the
// kind is unknown.
const char* ControlKeyword(int control_kind);

// The switch of notice n: 1 issued, 0 not; -1 for numbers outside 0..45.
int GetNoticeFlag(int n, const RunSettings& G);
// Sets the switch of notice n; numbers outside 0..45 are ignored.
void SetNoticeFlag(int n, int value, RunSettings& G);

#endif  // KLV_NOTICES_EMIT_H_
