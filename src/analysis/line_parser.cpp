#include "analysis/line_parser.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/char_classes.h"
#include "analysis/extract.h"
#include "analysis/generic_wildcard.h"
#include "analysis/keywords.h"
#include "analysis/literal_forms.h"
#include "base/scanner.h"
#include "notices/emit.h"
#include "notices/notices.h"
#include "recognise/keyword_hooks.h"
#include "recognise/namespaces.h"
#include "recognise/scope.h"
#include "reports/framing.h"
#include "base/output.h"

namespace {

bool IsSpaceOrEnd(char c) { return IsBlankOrTab(c) || IsLineEnd(c); }
bool IsWordStart(char c) { return isfirstchar(static_cast<unsigned char>(c)); }

// The index of the last blank of the run of blanks that starts at i (the
// line end stops it).
int BlankRunEnd(const char* line, int i) {
  while (line[i + 1] == ' ') ++i;
  return i;
}

// Per-call facts about the line being parsed.
struct LineScan {
  const char* line;
  int n;             // length without the line end
  int number;        // line number
  int lead;          // index of the first character that is not a blank or
                     // TAB; -1 until needed
  int operator_at;   // index of the first "operator", or -1; -2 not searched
};

// The line-of-just-paren / line-of-just-brace test for the bracket `c` at
// index i. Only the line's first character past blanks and TABs can stand
// alone on it, so the leading blanks are skipped once per line and any
// later bracket is refused at once.
void JustBracketTest(LineScan& s, int i, char c, bool& is_noneffective,
                     FileWork& G) {
  if (s.lead < 0) s.lead = SkipBlanks(s.line, 0);
  if (i != s.lead) return;
  if (!SingleChar(s.line + s.lead, static_cast<unsigned char>(c))) return;
  is_noneffective = true;
  if (c == '(' || c == ')') {
    Bump(G.metrics.paren_lines, 1);
  } else {
    Bump(G.metrics.brace_lines, 1);
  }
}

bool OperatorBefore(LineScan& s, int i) {
  if (s.operator_at == -2) {
    const char* p = strstr(s.line, "operator");
    s.operator_at = p == nullptr ? -1 : static_cast<int>(p - s.line);
  }
  return s.operator_at >= 0 && s.operator_at + 8 <= i;
}

void TraceOpenParen(const char* line, Globals& G) {
  const FileState& P = G.parse;
  Out(G,
      "\nLine: %sChar Parse ( \nG->instantiate_colon_flag = %d\n"
      "G->local_brace            = %d\nG->funcname_flag          = %d\n"
      "G->preproc_flag           = %d\nG->assignment_flag        = %d\n"
      "G->typedef_flag           = %d\nG->define_flag            = %d\n"
      "G->template_beg_flag      = %d\n\n",
      line, P.instantiate_colon_flag, P.local_brace, P.funcname_flag,
      P.preproc_flag, P.assignment_flag, P.typedef_flag, P.define_flag,
      P.template_beg_flag);
}

}  // namespace

void TRACE(char ch, int begin, Globals& G) {
  const FileState& P = G.parse;
  Out(G,
      "\n%s Character: %c\nlocal_brace     = %d\nlocal_paren     = %d\n"
      "class_flag      = %d\nassignment_flag = %d\nfuncname_flag   = %d\n",
      begin ? "Begin" : "End  ", ch, P.local_brace, P.local_paren,
      P.class_flag, P.assignment_flag, P.funcname_flag);
}

namespace {

void TraceBrace(bool open, Globals& G) {
  const FileState& P = G.parse;
  Out(G, open ? "\n*** open { ***\n" : "\n*** close } ***\n");
  Out(G, "*** funcname          = %s ***\n", P.func_name.c_str());
  if (!open) {
    Out(G, "*** funcname_flag     = %d ***\n", P.funcname_flag);
    Out(G, "*** assignment_flag   = %d ***\n", P.assignment_flag);
  }
  Out(G, "*** namespace         = %s ***\n", P.namespace_name.c_str());
  Out(G, "*** using_flag        = %d ***\n", P.using_flag);
  Out(G, "*** namespacebeg_flag = %d ***\n", P.namespacebeg_flag);
  Out(G, "*** namespace_flag    = %d ***\n", P.namespace_flag);
  Out(G, "*** namespace_scope   = %d ***\n", P.namespace_scope);
  Out(G, "*** using_count       = %d ***\n", G.metrics.using_count);
  Out(G, "*** namespace_count   = %d ***\n", G.metrics.namespace_count);
  Out(G, "*** closebrace_count  = %d ***\n", G.metrics.closebrace_count);
  Out(G, "*** local_brace       = %d ***\n", P.local_brace);
}

void PrintMacroName(const std::string& name, const char* lead, ReportSink& out,
                    const RunSettings& G) {
  if (G.html_flag) {
    Out(out, "%s  <B>Macro</B>: <FONT COLOR=%s><B>%s</B></FONT>\n", lead,
        G.html_macro_color.c_str(), name.c_str());
  } else {
    Out(out, "%s  Macro: %s\n", lead, name.c_str());
  }
}

// The header printed when a function-like macro is defined.
void MacroHeader(const std::string& name, int line_number, ReportSink& out,
                 const RunSettings& G) {
  if (!G.macro_flag || G.totals_flag) return;
  if (G.notice_flag) {
    ShowStateLine(out, line_number, "Macro Begin");
    PrintMacroName(name, "", out, G);
    Out(out, "\n");
    CenterTitle(out, G, "~~ Macro Quality Notices ~~");
  } else {
    PrintMacroName(name, "", out, G);
    Out(out, "\n");
  }
}

// A '#' in code: preprocessor line, #define and #include counting.
void HandleHash(const LineScan& s, int& i, Globals& G) {
  FileState& P = G.parse;
  const char* line = s.line;
  P.preproc_flag = 1;
  if (i != 0 && !IsBlankOrTab(line[i - 1])) return;
  const int j = SkipBlanks(line, i + 1);
  auto directive = [&](const char* word, size_t len) {
    if (strncmp(line + j, word, len) != 0) return false;
    char after = line[j + len];
    return after == ' ' || after == '\t' || after == '\n' || after == '\r';
  };
  if (directive("define", 6)) {
    Bump(G.metrics.define_count, 1);
    P.define_flag = 1;
    int k = SkipBlanks(line, j + 6);
    const int start = k;
    while (line[k] != '\0' && line[k] != ' ' && line[k] != '\t' &&
           line[k] != '(' && line[k] != '\n' && line[k] != '\r') {
      ++k;
    }
    std::string mname(line + start, static_cast<size_t>(k - start));
    if (line[k] == '(') {
      P.function_macro = 1;
      Bump(G.metrics.macro_count, 1);
      MacroHeader(mname, s.number, G, G);
    }
    G.macro_list.Add(mname, s.number);
    P.macro_name = std::move(mname);
  } else if (directive("include", 7)) {
    Bump(G.metrics.include_count, 1);
  }
  // Scanning resumes at the directive word, after the skipped blanks.
  i = j - 1;
}

void CodeWordCharacter(const LineScan& s, int& i, bool may_be_keyword,
                       Globals& G) {
  if (G.parse.control_body_line != 0) {
    CheckControlScope(s.line, i, s.number, G);
  }
  if (may_be_keyword) RecogniseWord(s.line, i, s.number, G);
}

bool IsNameClass(uint8_t code_class) {
  return code_class == kCodeWord || code_class == kCodeKeyword;
}

// A code character outside comments and literals.
void CodeCharacter(LineScan& s, int& i, bool& is_noneffective, Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  const char* line = s.line;
  const char c = line[i];
  const char prev = i > 0 ? line[i - 1] : '\0';
  const char next = line[i + 1];

  if (P.control_body_line != 0) CheckControlScope(line, i, s.number, G);

  switch (c) {
    case '#':
      HandleHash(s, i, G);
      break;
    case '(':
      if (P.paren_skip) break;
      Bump(M.lparen_count, 1);
      ++P.local_paren;
      JustBracketTest(s, i, c, is_noneffective, G);
      if (G.debug_flag) TraceOpenParen(line, G);
      ScopeOpenParen(line, i, G);
      if (G.debug_flag) TRACE(c, 1, G);
      break;
    case ')':
      if (P.paren_skip) {
        P.paren_skip = 0;
        break;
      }
      Bump(M.rparen_count, 1);
      if (P.local_paren > 0) --P.local_paren;
      JustBracketTest(s, i, c, is_noneffective, G);
      KeywordCloseParen(line, i, s.number, G);
      ScopeCloseParen(line, i, G);
      if (G.debug_flag) TRACE(c, 0, G);
      break;
    case '[':
      Bump(M.lbracket_count, 1);
      ++P.bracket_depth;
      break;
    case ']':
      Bump(M.rbracket_count, 1);
      --P.bracket_depth;
      break;
    case '{':
      Bump(M.openbrace_count, 1);
      if (P.namespace_flag) ++P.namespace_scope;
      if (P.local_brace < 1) P.assignment_flag = 0;
      KeywordOpenBrace(G);
      JustBracketTest(s, i, c, is_noneffective, G);
      if (G.debug_flag) TraceBrace(true, G);
      ScopeOpenBrace(line, i, G);
      if (G.debug_flag) TRACE(c, 1, G);
      break;
    case '}':
      Bump(M.closebrace_count, 1);
      if (P.local_brace > INT32_MIN) --P.local_brace;
      if (G.debug_flag) TraceBrace(false, G);
      if (P.namespace_flag) --P.namespace_scope;
      JustBracketTest(s, i, c, is_noneffective, G);
      if (P.switch_flag && P.local_brace == P.switch_brace) P.switch_flag = 0;
      ScopeCloseBrace(line, i, G);
      NamespaceCloseBrace(G);
      if (G.debug_flag) TRACE(c, 0, G);
      break;
    case ';':
      ScopeDeclarationEnd(line, i, G);
      Bump(M.statements, 1);
      ++P.func_semicolon_count;
      P.angle_depth = 0;
      P.using_flag = 0;
      P.assignment_flag = 0;
      P.typedef_flag = 0;
      P.enum_state = 0;
      P.template_beg_flag = 0;
      P.pointer_marker = 0;
      if (P.friend_flag && P.friend_class) {
        FriendClassDeclared(line, i, s.number, G);
      }
      P.friend_flag = 0;
      P.friend_class = 0;
      ScopeSemicolon(line, i, G);
      break;
    case '+':
    case '-':
      if (prev == c && IsWordStart(next)) {
        if (c == '+') {
          EmitPreIncrementNotice(s.number, G);
        } else {
          EmitPreDecrementNotice(s.number, G);
        }
      }
      break;
    case '.':
      if (G.notice_flag && i > 0 &&
          (IsBlankOrTab(prev) || prev == ',' || prev == '(') &&
          next == '.' && line[i + 2] == '.' &&
          (IsBlankOrTab(line[i + 3]) || line[i + 3] == ')') && !P.catch_flag) {
        EmitEllipsisNotice(s.number, G);
      }
      break;
    case '?':
      if (next == '?') {
        ++i;  // a "??" pair counts as one character
        break;
      }
      if (P.java_file && IsGenericWildcard(line, i)) break;
      ++P.func_ternary_count;
      if (!P.function_macro) EmitTernaryNotice(s.number, G);
      break;
    case '&':
    case '|':
      // Inside any function body, whatever class encloses it; outside one
      // (an initialiser, malformed code) they belong to no function.
      if (prev == c && P.local_brace > 0) {
        ++(c == '&' ? P.func_and_count : P.func_or_count);
      }
      break;
    case '=':
      if (prev == '=' || prev == '!' || prev == '<' || prev == '>') break;
      if (next == '=' || P.function_template_flag) break;
      // The text of a directive ('#define INIT(x) x = 0') is no part of
      // the declaration around it, nor is an '=' in parentheses outside
      // a body (a default argument, an annotation's element, a macro's
      // argument).
      if (!P.preproc_flag && !(P.local_brace < 1 && P.local_paren > 0)) {
        P.assignment_flag = 1;
        if (P.local_brace < 1 && OperatorBefore(s, i)) P.assignment_flag = 0;
        if (P.assignment_flag) ScopeAssignment(line, i, P);
      }
      if (P.if_condition) {
        EmitIfAssignmentNotice(s.number, G);
      } else if (P.while_condition) {
        EmitWhileAssignmentNotice(s.number, G);
      }
      break;
    case '<':
      if (next != '=' && next != '<' && next != '-' && prev != '<') {
        ++P.angle_depth;
      }
      break;
    case '>':
      // In a template parameter list or a class header '>>' closes two
      // argument lists ('class GT = GraphTraits<GraphT>>'); elsewhere it
      // shifts.
      if ((P.template_beg_flag || P.class_header_pending)
              ? next != '=' && prev != '-'
              : next != '=' && next != '>' && prev != '>' && prev != '-') {
        --P.angle_depth;
        if (P.angle_depth < 1 && P.template_beg_flag) P.template_beg_flag = 0;
      }
      break;
    case ',':
      ScopeComma(line, i, P);
      break;
    case ':':
      if (next == ':') {
        ++i;  // a "::" pair counts as one character
        break;
      }
      ScopeColon(line, i, P);
      break;
    case '~':
      ScopeTilde(line, i, P);
      break;
    default:
      RecogniseWord(line, i, s.number, G);
      break;
  }
}

// One line of -E or -C output.
void PrintExtract(const std::string& text, int line_number, ReportSink& G) {
  if (!text.empty()) Out(G, "  %6d: %s\n", line_number, text.c_str());
}

// "fall through", "drop through", "fall thru" or "drop thru" anywhere in
// the line: every one holds " thr" after "fall" or "drop".
bool HasFallThroughPhrase(const char* line) {
  for (const char* p = strstr(line, " thr"); p != nullptr;
       p = strstr(p + 1, " thr")) {
    if (p - line < 4) continue;
    if (strncmp(p - 4, "fall", 4) != 0 && strncmp(p - 4, "drop", 4) != 0) {
      continue;
    }
    if (strncmp(p + 4, "ough", 4) == 0 || p[4] == 'u') return true;
  }
  return false;
}

// What the scan of a line found out about it.
struct LineFlags {
  bool is_blank = true;
  bool is_code = false;
  bool is_noneffective = false;
  bool has_c_comment = false;
  int first_nonblank = 0;
  char last_nonblank = '\0';
};

// Scans the characters of one line: the lexical state machine, white space,
// literal strings, the extraction buffer and the code-character dispatch.
// The lexical state is kept in locals; every change is written through to
// G.parse at once, so the handlers always see the current state.
class LineScanner {
 public:
  LineScanner(LineScan& s, LineFlags& f, std::string& extract, Globals& G)
      : s_(s), f_(f), extract_(extract), G_(G), P_(G.parse), M_(G.metrics),
        line_(s.line), n_(s.n),
        in_c_comment_(P_.in_c_comment), in_line_comment_(P_.in_line_comment),
        in_string_(P_.in_string), in_char_(P_.in_char),
        in_literal_or_comment_((in_c_comment_ | in_line_comment_ |
                                in_string_ | in_char_) != 0),
        extract_strings_(G.extract_strings != 0),
        extract_comments_(G.extract_comments != 0) {}

  void Run() {
    int i = 0;
    while (i < n_) i = fast_paths_enabled ? Fast(i) : Slow(i);
  }

  // Off only to compare the fast paths with the general rules in tests.
  static inline bool fast_paths_enabled = true;

 private:
  bool InComment() const { return in_c_comment_ || in_line_comment_; }
  bool InCode() const { return !in_literal_or_comment_; }
  // Changes one of the lexical flags, here and in G.parse.
  void SetState(int& local, int& field, int value) {
    local = field = value;
    in_literal_or_comment_ =
        (in_c_comment_ | in_line_comment_ | in_string_ | in_char_) != 0;
  }
  // -Es collects the characters of literal strings, -Ec and -C those of
  // comments, each comment starting with its '/'.
  bool Collecting() const {
    return (extract_strings_ && in_string_) ||
           (extract_comments_ && InComment());
  }

  void Visible(int i) {
    if (f_.is_blank) {
      f_.first_nonblank = i;
      f_.is_blank = false;
    }
  }

  // The code-character dispatch, then the last visible character: the
  // handler may have consumed characters, and then the last one counts.
  int Code(int i) {
    const char c = line_[i];
    CodeCharacter(s_, i, f_.is_noneffective, G_);
    if (!IsSpaceOrEnd(line_[i])) {
      f_.last_nonblank = line_[i];
    } else if (!IsSpaceOrEnd(c)) {
      f_.last_nonblank = c;
    }
    return i + 1;
  }

  // Runs of characters that only need the line's bookkeeping are taken in
  // one step; anything else goes through the general rules.
  int Fast(int i) {
    const unsigned char u = static_cast<unsigned char>(line_[i]);
    if (InCode()) {
      switch (kCharClasses.code[u]) {
        case kCodeBlank: {
          const int last = BlankRunEnd(line_, i);
          Bump(M_.spaces, last - i + 1);
          return last + 1;
        }
        case kCodeWord:
        case kCodeKeyword: {
          // No character after a word's first can begin a keyword.
          Visible(i);
          f_.is_code = true;
          const int j = WordEnd(i + 1);
          f_.last_nonblank = line_[j - 1];
          CodeWordCharacter(s_, i, MayBeWord(u, j - i), G_);
          return j;
        }
        case kCodePunct:
          Visible(i);
          f_.is_code = true;
          return Code(i);
        case kCodeTab:
          return i + TabRun(i);
        default:
          return Slow(i);
      }
    }
    // Inside a literal a line's first visible character may still make it
    // code, which a '/' does not: left to the general rules.
    if (!InComment() && !f_.is_code) return Slow(i);
    const std::array<uint8_t, 256>& table =
        InComment() ? kCharClasses.comment
        : in_string_ ? kCharClasses.string
                     : kCharClasses.chars;
    int blanks = 0;
    int tabs = 0;
    int last_shown = -1;  // the last character that is no blank or TAB
    bool visible = false;
    // Besides the line end, the characters that stop a run: '*' and the
    // literal's quote.
    const unsigned char quote = InComment() ? '*' : in_string_ ? '"' : '\'';
    int j = i;
    int whole_from = i;  // where eight characters may again be taken at once
    for (;; ++j) {
      if (j >= whole_from) j = WholeQuietGroups(j, quote, whole_from, blanks,
                                                tabs, last_shown, visible);
      const uint8_t kind = table[static_cast<unsigned char>(line_[j])];
      if (kind == kQuietStop) {
        // In a C comment a '*' that closes nothing is text.
        if (line_[j] != '*' || !in_c_comment_ || line_[j + 1] == '/') break;
        last_shown = j;
        visible = true;
        continue;
      }
      // Counted without branches: blanks and words alternate.
      blanks += kind == kQuietBlank;
      tabs += kind == kQuietTab;
      last_shown = kind >= kQuietOther ? j : last_shown;
      visible |= kind == kQuietVisible;
    }
    if (j == i) return Slow(i);
    if (f_.is_blank && visible) {
      int first = i;
      while (static_cast<signed char>(line_[first]) <= 32) ++first;
      Visible(first);
    }
    if (blanks > 0) Bump(M_.spaces, blanks);
    // Nothing else in the run raises a notice, so its TABs raise theirs
    // together.
    if (tabs > 0) TabNotices(tabs);
    if (last_shown >= 0) f_.last_nonblank = line_[last_shown];
    if (Collecting()) extract_.append(line_ + i, static_cast<size_t>(j - i));
    return j;
  }

  // The end of the word whose characters continue at j: sixteen at a time
  // while they lie before the line end, then one by one up to the line end
  // (LF, CR or terminator at n_), which ends every word.
  int WordEnd(int j) const {
    for (; j + 16 <= n_; j += 16) {
      if (const uint32_t stop = bytes16::NotName(line_ + j); stop != 0) {
        return j + std::countr_zero(stop);
      }
    }
    while (IsNameClass(
        kCharClasses.code[static_cast<unsigned char>(line_[j])])) {
      ++j;
    }
    return j;
  }

  // From j, takes eight characters at a time while none of them stops the
  // run and all lie before the line end, adding them to the counts as the
  // character loop would. Returns where the characters must be taken one
  // by one; `whole_from` is set past a stopping character found.
  int WholeQuietGroups(int j, unsigned char quote, int& whole_from,
                       int& blanks, int& tabs, int& last_shown,
                       bool& visible) const {
    using namespace bytes8;
    for (; j + 8 <= n_; j += 8) {
      const uint64_t x = Load(line_ + j);
      const uint64_t stops = Equal(x, '*') | Equal(x, quote) |
                             Equal(x, '\r') | Equal(x, '\n') | Equal(x, 0);
      if (stops != 0) {
        whole_from = j + First(stops) + 1;
        return j;
      }
      const uint64_t blank = Equal(x, ' ');
      const uint64_t tab = Equal(x, '\t');
      blanks += Count(blank);
      tabs += Count(tab);
      const uint64_t shown = ~(blank | tab) & kHigh;
      if (shown != 0) last_shown = j + 7 - std::countl_zero(shown) / 8;
      // Control characters and bytes of 128 and above show nothing.
      const uint64_t below_blank = ~((x & kLow7) + kOnes * (128 - 32)) & kHigh;
      visible |= (shown & ~(below_blank | (x & kHigh))) != 0;
    }
    return j;
  }

  // TABs each widen the line by the TAB width and raise their own notice.
  void TabNotices(int tabs) {
    Bump(M_.spaces, int64_t{G_.tab_width} * tabs);
    EmitTabNotice(s_.number, G_, tabs);
  }

  // The run of TABs at i, taken at once; returns its length.
  int TabRun(int i) {
    int last = i;
    while (line_[last + 1] == '\t') ++last;
    const int run = last - i + 1;
    TabNotices(run);
    return run;
  }

  // The general rules for the character at i; returns the next index.
  int Slow(int i) {
    const char c = line_[i];
    const signed char sc = static_cast<signed char>(c);
    const bool in_comment = InComment();
    if (extract_strings_ && in_string_) extract_ += c;
    if (sc > 32) Visible(i);
    if (!f_.is_code && !f_.is_blank && !in_comment && sc > 32 && c != '/') {
      f_.is_code = true;
    }
    if (extract_comments_ && in_comment) extract_ += c;
    const char next = line_[i + 1];
    bool code = false;
    switch (c) {
      case '\t': {
        const int run = TabRun(i);
        if (run > 1 && Collecting()) {
          extract_.append(static_cast<size_t>(run - 1), '\t');
        }
        return i + run;
      }
      case ' ': {
        const int last = BlankRunEnd(line_, i);
        Bump(M_.spaces, last - i + 1);
        if (Collecting()) {
          extract_.append(static_cast<size_t>(last - i), ' ');
        }
        return last + 1;
      }
      case '"':
        if (in_comment || in_char_) {
          code = true;
        } else if (in_string_ && P_.string_kind != kPlainString) {
          return LongLiteralQuote(i);
        } else if (IsEscapedQuote(line_, i)) {
          code = true;
        } else if (!in_string_) {
          SetState(in_string_, P_.in_string, 1);
          return OpenString(i);
        } else {
          CloseString();
        }
        break;
      case '\'':
        if (in_comment || in_string_ || IsEscapedQuote(line_, i) ||
            (!in_char_ && !P_.java_file && IsDigitSeparator(line_, i))) {
          code = true;
        } else {
          SetState(in_char_, P_.in_char, !in_char_);
        }
        break;
      case '*':
        if (in_c_comment_ && !in_string_ && !in_char_ && !in_line_comment_ &&
            next == '/') {
          SetState(in_c_comment_, P_.in_c_comment, 0);
          f_.has_c_comment = true;
          if (extract_comments_) extract_ += '/';
          f_.last_nonblank = '/';
          return i + 2;  // the '/' closes the comment and starts nothing new
        }
        if (f_.has_c_comment) {
          code = true;
        } else {
          P_.pointer_marker = 1;
        }
        break;
      case '/':
        if (in_string_ || in_comment || in_char_) {
          code = true;
        } else if (next == '*') {
          SetState(in_c_comment_, P_.in_c_comment, 1);
          f_.has_c_comment = true;
          P_.c_comment_line = s_.number;
          if (extract_comments_) extract_ += "/*";
          f_.last_nonblank = '*';
          return i + 2;  // the '*' opens the comment and closes nothing
        } else if (next == '/' && (i == 0 || line_[i - 1] != '*')) {
          SetState(in_line_comment_, P_.in_line_comment, 1);
          if (extract_comments_) extract_ += '/';
        } else {
          code = true;
        }
        break;
      default:
        code = true;
        break;
    }
    if (code && InCode()) return Code(i);
    if (!IsSpaceOrEnd(c)) f_.last_nonblank = c;
    return i + 1;
  }

  // A literal string ends: it is counted, and with -Es its text printed.
  void CloseString() {
    Bump(M_.string_count, 1);
    SetState(in_string_, P_.in_string, 0);
    P_.string_kind = kPlainString;
    if (extract_strings_) {
      PrintExtract(ExtractString(extract_.c_str(), G_), s_.number, G_);
      extract_.clear();
    }
  }

  // The '"' at i opened a literal string: a raw string literal (C, C++)
  // and a text block (Java) run to their own closing forms. Returns the
  // next index.
  int OpenString(int i) {
    f_.last_nonblank = '"';
    if (P_.java_file) {
      if (!OpensTextBlock(line_, i)) return i + 1;
      P_.string_kind = kTextBlock;
      return i + 3;
    }
    if (OpensRawString(line_, i, P_.raw_delimiter, raw_open_paren_)) {
      P_.string_kind = kRawString;
    }
    return i + 1;
  }

  // A '"' inside a raw string or a text block: text, or the literal's end.
  // Returns the next index.
  int LongLiteralQuote(int i) {
    f_.last_nonblank = '"';
    if (P_.string_kind == kRawString) {
      if (ClosesRawString(line_, i, P_.raw_delimiter, raw_open_paren_)) {
        CloseString();
      }
      return i + 1;
    }
    if (IsEscapedQuote(line_, i) || line_[i + 1] != '"' ||
        line_[i + 2] != '"') {
      return i + 1;
    }
    CloseString();
    return i + 3;
  }

  LineScan& s_;
  LineFlags& f_;
  std::string& extract_;
  Globals& G_;
  FileState& P_;
  FileMetrics& M_;
  const char* line_;
  const int n_;
  int in_c_comment_;
  int in_line_comment_;
  int in_string_;
  int in_char_;
  bool in_literal_or_comment_;
  const bool extract_strings_;
  const bool extract_comments_;
  // The '(' of a raw string literal opened on this line; -1 for one opened
  // on an earlier line.
  int raw_open_paren_ = -1;
};

}  // namespace

void SetLineScanFastPaths(bool on) { LineScanner::fast_paths_enabled = on; }

void EndCommentRun(SharedScopeState& P) {
  P.comment_run_open = 0;
  P.comment_run_lines = 0;
}

void ParseLine(std::string_view text, int line_number, Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  const char* const line = text.data();

  // Line intake.
  if (P.first_line) {
    P.comment_run_open = 1;
    P.first_line = 0;
  }
  const size_t length = text.size();
  int n = static_cast<int>(length);
  if (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n')) --n;
  if (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n')) --n;
  if (G.key_string_set && !P.key_string_found &&
      strstr(line, G.key_string.c_str()) != nullptr) {
    P.key_string_found = 1;
  }
  if (P.local_brace < 0) P.local_brace = 0;
  Bump(M.characters, n);
  // A `static` that ended an earlier line starts a static block when this
  // line's first code character is its brace.
  if (P.static_brace_wait && NextChar(line) == '{') {
    P.static_brace_wait = 0;
    StaticBlockBegin(M.openbrace_count - M.closebrace_count, P);
  }
  EmitLineLengthNotice(line_number, n, G);
  ScopeLineStart(line, line_number, G);

  LineScan s{line, n, line_number, -1, -2};
  LineFlags f;
  f.has_c_comment = P.in_c_comment != 0;
  std::string& extract = P.extract_buffer;
  extract.clear();
  LineScanner(s, f, extract, G).Run();
  bool& is_blank = f.is_blank;
  bool& is_code = f.is_code;
  bool& has_c_comment = f.has_c_comment;
  const bool is_noneffective = f.is_noneffective;
  const int first_nonblank = f.first_nonblank;
  const char last_nonblank = f.last_nonblank;

  // End of line.
  if (is_blank) has_c_comment = false;
  const bool is_comment = has_c_comment || P.in_line_comment;
  if (is_blank) {
    Bump(M.blank_lines, 1);
    P.comment_run_open = 0;
    P.comment_run_lines = 0;
  }
  if (is_code) Bump(M.loc, 1);
  if (is_comment) {
    if (!P.comment_run_open) {
      P.comment_run_open = 1;
    } else {
      ++P.comment_run_lines;
    }
    if (HasFallThroughPhrase(line)) ++P.func_fallthrough_count;
    Bump(M.comment_lines, 1);
  }
  if (G.line_display_flag) {
    if (G.html_flag) {
      std::string shown = HTML_template(line + first_nonblank);
      Out(G, "\n  <B>Line</B> %d: <FONT COLOR=%s>%s</FONT>  <B>LOC Type(s)</B>:",
          line_number, G.html_teal_color.c_str(), shown.c_str());
    } else {
      Out(G, "\n  Line %d: %s  LOC Type(s):", line_number, line);
    }
    if (is_blank) Out(G, " Blank");
    if (is_code) Out(G, is_noneffective ? " Non-Effective LOC" : " LOC");
    if (has_c_comment) Out(G, " C Comment");
    if (P.in_line_comment) Out(G, " C++/Java Comment");
    Out(G, "\n");
  }
  if (G.extract_comments && is_comment) {
    PrintExtract(G.comment_doc_flag ? ExtractComment(extract.c_str(), G)
                                    : ExtractString(extract.c_str(), G),
                 line_number, G);
  }
  if (is_code) P.last_code_line.assign(line, length);
  if (last_nonblank != '\\') {
    if (P.function_macro) {
      P.function_macro = 0;
      if (G.macro_flag && G.notice_flag && !G.totals_flag) {
        PrintMacroName(P.macro_name, "\n", G, G);
        ShowStateLine(G, line_number, "Macro End");
      }
    }
    P.preproc_flag = 0;
    P.define_flag = 0;
    P.in_line_comment = 0;
  }
}
