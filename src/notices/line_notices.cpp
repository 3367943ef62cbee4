// The notices whose long texts take nothing but the line number: their
// texts in one table, and the one routine that issues them.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "notices/emit.h"
#include "notices/long_text.h"
#include "base/output.h"

namespace {

struct LineNoticeText {
  int number;
  const char* plain;  // with one "%d" for the line, or none
  const char* html;   // the notice colour first: "%s", then as `plain`
};

constexpr LineNoticeText kLineNotices[] = {
    {3,
     "\n"
     "    NOTICE #3: Line %d, '...' ellipsis found for a variable argument "
     "list.\n"
     "           The compiler will not check the types of these parameters.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #3: <B>Line %d</B>, '<B>...</B>' "
     "ellipsis found for a variable argument list.\n"
     "           The compiler will not check the types of these parameters.\n"},
    {4,
     "\n"
     "    NOTICE #4: Line %d, '=' assignment identified within an 'if' "
     "condition.\n"
     "           This is a logical error or indicates an assignment is within "
     "a\n"
     "           testable expression.  Code clarity would be enhanced by "
     "moving\n"
     "           any embedded expressions before conditional and testing a\n"
     "           single parameter.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #4: <B>Line %d</B>, '<B>=</B>' "
     "assignment identified within an '<B>if</B>' condition.\n"
     "           This is a logical error or indicates an assignment is within "
     "a\n"
     "           testable expression.  Code clarity would be enhanced by "
     "moving\n"
     "           any embedded expressions before conditional and testing a\n"
     "           single parameter.\n"},
    {5,
     "\n"
     "    NOTICE #5: Line %d, '=' assignment identified within an 'while' "
     "condition.\n"
     "           This is a logical error or indicates an assignment is within "
     "a\n"
     "           testable expression.  Code clarity would be enhanced by "
     "moving any embedded\n"
     "           expressions before conditional and testing a single "
     "parameter.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #5: <B>Line %d</B>, '<B>=</B>' "
     "assignment identified within an '<B>while</B>' condition.\n"
     "           This is a logical error or indicates an assignment is within "
     "a\n"
     "           testable expression.  Code clarity would be enhanced by "
     "moving any embedded\n"
     "           expressions before conditional and testing a single "
     "parameter.\n"},
    {8,
     "\n"
     "    NOTICE #8: Line %d, realloc has been identified.\n"
     "           A realloc of 0 size will free the pointer.  This may\n"
     "           cause an unanticipated action on a NULL pointer.  realloc\n"
     "           may also cause a hidden memory leak.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #8: <B>Line %d</B>, <B>realloc</B> has "
     "been identified.\n"
     "           A <B>realloc</B> of 0 size will free the pointer.  This may\n"
     "           cause an unanticipated action on a NULL pointer.  "
     "<B>realloc</B>\n"
     "           may also cause a hidden memory leak.\n"},
    {9,
     "\n"
     "    NOTICE #9: Line %d, 'goto' keyword identified.  This can cause\n"
     "           maintenance difficulties and propagate hidden logic flow.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #9: <B>Line %d</B>, '<B>goto</B>' "
     "keyword identified.  This can cause\n"
     "           maintenance difficulties and propagate hidden logic flow.\n"},
    {10,
     "\n"
     "    NOTICE #10: Identified a Non-ANSI function prototype.  Function\n"
     "           parameters will not be type checked.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #10: Identified a <B>Non-ANSI</B> "
     "function prototype.  Function\n"
     "           parameters will not be type checked.\n"},
    {11,
     "\n"
     "    NOTICE #11: Brackets, [ ] are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #11: Brackets, <B>[ ]</B> are not "
     "balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n"},
    {12,
     "\n"
     "    NOTICE #12: Parenthesis, ( ) are not balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #12: Parenthesis, <B>( )</B> are not "
     "balanced.\n"
     "           The compiler should have caught this error.\n"
     "           This notice may indicate dead code within the\n"
     "           source commented out through a #define construct\n"},
    {13,
     "\n"
     "    NOTICE #13: All 'switch' conditions do not have a matching "
     "'default'.\n"
     "           This could cause unexpected behavior if the 'switch' "
     "condition\n"
     "           is not met by the available 'case' statements.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #13: All '<B>switch</B>' conditions do "
     "not have a matching '<B>default</B>'.\n"
     "           This could cause unexpected behavior if the 'switch' "
     "condition\n"
     "           is not met by the available 'case' statements.\n"},
    {14,
     "\n"
     "    NOTICE #14: All 'case/default' conditions do not have a matching\n"
     "           'break', return point or \"fall through\" comment.  This\n"
     "           condition can occur when sequential case statements are "
     "used.\n"
     "           Check this function to insure no erroneous behavior will "
     "occur\n"
     "           by an unexpected fall through to the next case statement.\n"
     "           You may indicate to KLV that a 'case' statement is designed\n"
     "           to fall through by using a comment with these words\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #14: All '<B>case/default</B>' "
     "conditions do not have a matching\n"
     "           '<B>break</B>', <B>return</B> point or \"<B>fall "
     "through</B>\" comment.  This\n"
     "           condition can occur when sequential case statements are "
     "used.\n"
     "           Check this function to insure no erroneous behavior will "
     "occur\n"
     "           by an unexpected fall through to the next case statement.\n"
     "           You may indicate to KLV that a 'case' statement is designed\n"
     "           to fall through by using a comment with these words\n"},
    {23,
     "\n"
     "    NOTICE #23: Line %d, The '?' operator was identified.  This implied\n"
     "           if-else construct can reduce code readability.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #23: <B>Line %d</B>, The '<B>?</B>' "
     "operator was identified.  This implied\n"
     "           if-else construct can reduce code readability.\n"},
    {26,
     "\n"
     "    NOTICE #26: Line %d, The type 'void *' has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #26: <B>Line %d</B>, The type <B>void "
     "*</B> has been identified.\n"
     "           This data type is type independent, whereby it\n"
     "           prevents the compiler from checking the types\n"
     "           of variables and parameters.\n"},
    {30,
     "\n"
     "    NOTICE #30: Line %d, A TAB character has been found.\n"
     "           Tabs embedded into code are device and editor dependent\n"
     "           for their space definition and may not display properly.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #30: <B>Line %d</B>, A TAB character "
     "has been found.\n"
     "           Tabs embedded into code are device and editor dependent\n"
     "           for their space definition and may not display properly.\n"},
    {32,
     "\n"
     "    NOTICE #32: Line %d, The construct 'using namespace' has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #32: <B>Line %d</B>, The construct "
     "<B>using namespace</B> has\n"
     "           been identified.  This type of design can lead to\n"
     "           spurious name collisions during integration.\n"},
    {33,
     "\n"
     "    NOTICE #33: Line %d, A struct definition has been identified\n"
     "           within a function definition.  This design is not\n"
     "           advised.  Move the struct outside the function.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #33: <B>Line %d</B>, A struct "
     "definition has been identified\n"
     "           within a function definition.  This design is not\n"
     "           advised.  Move the struct outside the function.\n"},
    {34,
     "\n"
     "    NOTICE #34: Line %d, A pointer to a data object has been detected\n"
     "           within the specification for a class.  This class must\n"
     "           be inspected to insure proper memory allocation and\n"
     "           de-allocation.  This class must implement a public copy\n"
     "           constructor or a private copy constructor where by the\n"
     "           compiler will enforce no pass-by-value.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #34: <B>Line %d</B>, A pointer to a "
     "data object has been detected\n"
     "           within the specification for a class.  This class must\n"
     "           be inspected to insure proper memory allocation and\n"
     "           de-allocation.  This class must implement a public copy\n"
     "           constructor or a private copy constructor where by the\n"
     "           compiler will enforce no pass-by-value.\n"},
    {35,
     "\n"
     "    NOTICE #35: Line %d, Public data has been identified with a class\n"
     "           specification.  This design breaks object encapsulation\n"
     "           allowing free access from other objects and functions.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #35: <B>Line %d</B>, Public data has "
     "been identified with a class\n"
     "           specification.  This design breaks object encapsulation\n"
     "           allowing free access from other objects and functions.\n"},
    {36,
     "\n"
     "    NOTICE #36: Line %d,  Protected data has been identified with a "
     "class\n"
     "           specification.  This design allows the protected data\n"
     "           to be freely access down the inheritance tree.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #36: <B>Line %d</B>, Protected data has "
     "been identified with a class\n"
     "           specification.  This design allows the protected data\n"
     "           to be freely access down the inheritance tree.\n"},
    {37,
     "\n"
     "    NOTICE #37: Line %d, This class does not appear to contain a\n"
     "           virtual destructor when this class defines a virtual\n"
     "           method.  This condition will cause a incomplete class\n"
     "           destruction of the derived classes from this base class.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #37: <B>Line %d</B>, This class does "
     "not appear to contain a\n"
     "           virtual destructor when this class defines a virtual\n"
     "           method.  This condition will cause a incomplete class\n"
     "           destruction of the derived classes from this base class.\n"},
    {38,
     "\n"
     "    NOTICE #38: Line %d, Exception handling 'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #38: <B>Line %d</B>, Exception handling "
     "'try' - 'catch' has been\n"
     "           identified.  Exception handling can be a form indirect logic\n"
     "           control similar to a goto.  The use of exception handling\n"
     "           should be driven by the design and not casually imposed\n"
     "           upon the code.\n"},
    {43,
     "\n"
     "    NOTICE #43: Line %d, The keyword 'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #43: <B>Line %d</B>, The keyword "
     "'continue' has been found.\n"
     "           The use of 'continue' can create code which is difficult\n"
     "           to maintain where the logic flow jumps to the beginning\n"
     "           of the framing control structure.\n"},
    {44,
     "\n"
     "    NOTICE #44: Line %d, The keyword 'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n",
     "\n"
     "    <FONT COLOR=%s>NOTICE</FONT> #44: <B>Line %d</B>, The keyword "
     "'break' has been identified\n"
     "           outside a 'switch' logic control structure.  The use\n"
     "           of 'break' interrupts the linear logic flow and can create\n"
     "           source code which is difficult to maintain.\n"},
};

// True when the printf conversions of `text` are exactly `letters`, in
// order.
constexpr bool ConversionsAre(std::string_view text, std::string_view letters) {
  size_t k = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 >= text.size() || k >= letters.size() ||
        text[i + 1] != letters[k]) {
      return false;
    }
    ++k;
    ++i;
  }
  return k == letters.size();
}

// Every text of the table takes the line number alone (or nothing), so
// formatting it with the line can never read a missing argument.
consteval bool TextsTakeOnlyTheLine() {
  for (const LineNoticeText& t : kLineNotices) {
    const bool with_line =
        ConversionsAre(t.plain, "d") && ConversionsAre(t.html, "sd");
    const bool without =
        ConversionsAre(t.plain, "") && ConversionsAre(t.html, "s");
    if (!with_line && !without) return false;
  }
  return true;
}
static_assert(TextsTakeOnlyTheLine(),
              "a line notice text takes more than the line number");

// A plain text split around its "%d" (all of it in `before` when it has
// none).
struct PlainPieces {
  std::string_view before;
  std::string_view after;
  bool with_line = false;
};

PlainPieces Split(std::string_view plain) {
  const size_t at = plain.find("%d");
  if (at == std::string_view::npos) return {plain, {}, false};
  return {plain.substr(0, at), plain.substr(at + 2), true};
}

// Writes a plain text with the line number in place of its "%d". The text
// last written is kept whole: a TAB notice repeats it for every TAB of a
// line, and the next line usually changes only the digits in place.
void WriteWithLine(ReportSink& G, const PlainPieces& text, int line) {
  if (!text.with_line) {
    OutText(G, text.before);
    return;
  }
  thread_local const PlainPieces* last_text = nullptr;
  thread_local int last_line = 0;
  thread_local size_t last_digits = 0;
  thread_local std::string whole;
  if (&text != last_text || line != last_line) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, line).ptr;
    const size_t count = static_cast<size_t>(end - digits);
    if (&text == last_text && count == last_digits) {
      std::copy(
          digits, end,
          whole.begin() + static_cast<std::ptrdiff_t>(text.before.size()));
    } else {
      whole.assign(text.before);
      whole.append(digits, count);
      whole.append(text.after);
    }
    last_text = &text;
    last_line = line;
    last_digits = count;
  }
  OutText(G, whole);
}

}  // namespace

void IssueLineNotice(int n, int line, Globals& G, int times) {
  // The table's entries by notice number: a TAB notice is raised for every
  // TAB of a file, so the lookup must not walk the table.
  struct Entry {
    const LineNoticeText* text = nullptr;
    PlainPieces plain;
  };
  static const auto by_number = [] {
    std::array<Entry, 46> index{};
    for (const LineNoticeText& t : kLineNotices) {
      index[t.number] = Entry{&t, Split(t.plain)};
    }
    return index;
  }();
  if (n < 0 || n > 45 || by_number[n].text == nullptr) return;
  // A TAB notice is raised for every TAB: mostly they are only counted.
  if (CountNotices(n, times, G, G.metrics, G)) return;
  const Entry& entry = by_number[n];
  // Only the text the output mode shows is written, the plain one without a
  // formatting pass.
  for (int k = 0; k < times; ++k) {
    if (!RecordNotice(n, line, G)) continue;
    if (G.html_flag) {
      Out(G, entry.text->html, G.html_notice_color.c_str(), line);
    } else {
      WriteWithLine(G, entry.plain, line);
    }
  }
}
