// Printing a notice's long text in the form the output mode asks for.
#ifndef KLV_NOTICES_LONG_TEXT_H_
#define KLV_NOTICES_LONG_TEXT_H_

#include <string>

#include "base/globals.h"
#include "base/output.h"

// Writes the text `html()` makes (formatted with the notice colour first)
// under -H, else the one `plain()` makes; only the text shown is formatted.
template <class Plain, class Html>
void LongText(ReportSink& out, const RunSettings& G, Plain&& plain,
              Html&& html) {
  OutText(out, G.html_flag ? html() : plain());
}

// Issues notice `n` at `line` of the current file when its long texts take
// the line number alone: 3, 4, 5, 8 to 14, 23, 26, 30, 32, 33 (its struct
// text), 34 to 38, 43 and 44.
// `times` issues it that many times over, as one issue after another.
void IssueLineNotice(int n, int line, Globals& G, int times = 1);

// Issues notice `n` of a function, class or struct whose share `percent`
// fell below the configured minimum `limit`: "<subject>, <percent>% <verb>
// less than <limit>%." (the limit shown as a whole number).
void IssuePercentNotice(int n, const std::string& subject, const char* verb,
                        double percent, float limit, Globals& G);

// Issues notice `n` of a function whose `value` exceeds `limit`: the text
// `heading`, then the value and the limit on the next line.
void IssueLimitNotice(int n, const char* heading, int value, int limit,
                      Globals& G);

#endif  // KLV_NOTICES_LONG_TEXT_H_
