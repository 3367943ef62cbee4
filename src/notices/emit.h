// The one emission rule of quality notices, the one-line notice forms and
// the notice catalogue's one-line texts.
#ifndef KLV_NOTICES_EMIT_H_
#define KLV_NOTICES_EMIT_H_

#include <string>

#include "driver/globals.h"

// Applies the emission rule to notice `n` raised at `line` of the current
// file: a disabled notice does nothing; an enabled one is counted for the
// file and the run, then printed in one-line form and recorded, or only
// recorded, as the options ask. Returns true when the caller must print the
// notice's long text (plain, or HTML with -H) itself.
bool RecordNotice(int n, int line, Globals& G);

// Issues notice `n`; `print_long` writes its long text when wanted.
template <typename PrintLong>
void IssueNotice(int n, int line, Globals& G, PrintLong&& print_long) {
  if (RecordNotice(n, line, G)) print_long();
}

// Prints the one-line form of a notice when a notice list format was chosen,
// and records it in the notice list.
void EmitNotice(const std::string& file, int line, int n, Globals& G);

// The one-line text of notice n; "Unsupported" outside 1..45.
std::string GetNoticeStr(int n, Globals& G);

#endif  // KLV_NOTICES_EMIT_H_
