#include "analysis/line_parser.h"

#include <cctype>
#include <cstring>

#include "analysis/keywords.h"
#include "notices/emit.h"
#include "notices/notices.h"
#include "recognise/scope.h"
#include "reports/output.h"

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\0' || c == '\n' || c == '\r'; }
bool IsSpaceOrEnd(char c) { return IsBlankOrTab(c) || IsLineEnd(c); }
bool IsWordStart(char c) {
  return isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '~';
}

// Per-call facts about the line being parsed.
struct LineScan {
  const char* line;
  int n;             // length without the line end
  int number;        // line number
  int lead;          // index of the first character that is not a blank or TAB
  int operator_at;   // index of the first "operator", or -1; -2 not searched
};

// A quote is escaped when an odd number of backslashes directly precede it.
bool IsEscaped(const char* line, int i) {
  int count = 0;
  for (int k = i - 1; k >= 0 && line[k] == '\\'; --k) ++count;
  return (count & 1) != 0;
}

// True when the line holds only the bracket `c` (with blanks, TABs and ';').
bool LineHoldsOnly(const LineScan& s, char c) {
  if (s.line[s.lead] != c) return false;
  int k = s.lead + 1;
  while (IsBlankOrTab(s.line[k]) || s.line[k] == ';') ++k;
  return IsLineEnd(s.line[k]);
}

// The line-of-just-paren / line-of-just-brace test.
void JustBracketTest(const LineScan& s, char c, bool& is_noneffective,
                     Globals& G) {
  if (!LineHoldsOnly(s, c)) return;
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

void PrintMacroName(const std::string& name, const char* lead, Globals& G) {
  if (G.html_flag) {
    Out(G, "%s  <B>Macro</B>: <FONT COLOR=%s><B>%s</B></FONT>\n", lead,
        G.html_macro_color.c_str(), name.c_str());
  } else {
    Out(G, "%s  Macro: %s\n", lead, name.c_str());
  }
}

// The header printed when a function-like macro is defined.
void MacroHeader(const std::string& name, int line_number, Globals& G) {
  if (!G.macro_flag || G.totals_flag) return;
  if (G.notice_flag) {
    ShowStateLine(G, line_number, "Macro Begin");
    PrintMacroName(name, "", G);
    Out(G, "\n");
    CenterTitle(G, "~~ Macro Quality Notices ~~");
  } else {
    PrintMacroName(name, "", G);
    Out(G, "\n");
  }
}

// A '#' in code: preprocessor line, #define and #include counting.
void HandleHash(const LineScan& s, int& i, Globals& G) {
  FileState& P = G.parse;
  const char* line = s.line;
  P.preproc_flag = 1;
  if (i != 0 && !IsBlankOrTab(line[i - 1])) return;
  int j = i + 1;
  while (IsBlankOrTab(line[j])) ++j;
  auto directive = [&](const char* word, size_t len) {
    if (strncmp(line + j, word, len) != 0) return false;
    char after = line[j + len];
    return after == ' ' || after == '\t' || after == '\n' || after == '\r';
  };
  if (directive("define", 6)) {
    Bump(G.metrics.define_count, 1);
    P.define_flag = 1;
    int k = j + 6;
    while (IsBlankOrTab(line[k])) ++k;
    int start = k;
    while (line[k] != '\0' && line[k] != ' ' && line[k] != '\t' &&
           line[k] != '(' && line[k] != '\n' && line[k] != '\r') {
      ++k;
    }
    std::string mname(line + start, static_cast<size_t>(k - start));
    if (line[k] == '(') {
      P.function_macro = 1;
      Bump(G.metrics.macro_count, 1);
      MacroHeader(mname, s.number, G);
    }
    G.macro_list.push_back(NameData{mname, "", s.number, 0});
    P.macro_name = mname;
  } else if (directive("include", 7)) {
    Bump(G.metrics.include_count, 1);
  }
  // Scanning resumes at the directive word, after the skipped blanks.
  i = j - 1;
}

// A code character outside comments and literals.
void CodeCharacter(LineScan& s, int& i, bool& is_noneffective, Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  const char* line = s.line;
  const char c = line[i];
  const char prev = i > 0 ? line[i - 1] : '\0';
  const char next = line[i + 1];

  CheckControlScope(line, i, s.number, G);

  switch (c) {
    case '#':
      HandleHash(s, i, G);
      break;
    case '(':
      if (P.paren_skip) break;
      Bump(M.lparen_count, 1);
      JustBracketTest(s, c, is_noneffective, G);
      if (G.debug_flag) TraceOpenParen(line, G);
      ScopeOpenParen(line, i, G);
      break;
    case ')':
      if (P.paren_skip) {
        P.paren_skip = 0;
        break;
      }
      Bump(M.rparen_count, 1);
      JustBracketTest(s, c, is_noneffective, G);
      KeywordCloseParen(line, i, G);
      ScopeCloseParen(line, i, G);
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
      JustBracketTest(s, c, is_noneffective, G);
      if (G.debug_flag) TraceBrace(true, G);
      ScopeOpenBrace(line, i, G);
      break;
    case '}':
      Bump(M.closebrace_count, 1);
      if (P.local_brace > INT32_MIN) --P.local_brace;
      if (G.debug_flag) TraceBrace(false, G);
      if (P.namespace_flag) --P.namespace_scope;
      JustBracketTest(s, c, is_noneffective, G);
      if (P.switch_flag && P.local_brace == P.switch_brace) P.switch_flag = 0;
      ScopeCloseBrace(line, i, G);
      break;
    case ';':
      Bump(M.statements, 1);
      ++P.func_semicolon_count;
      P.angle_depth = 0;
      P.using_flag = 0;
      P.assignment_flag = 0;
      P.typedef_flag = 0;
      P.enum_state = 0;
      P.template_beg_flag = 0;
      P.pointer_marker = 0;
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
      ++P.func_ternary_count;
      if (!P.function_macro) EmitTernaryNotice(s.number, G);
      break;
    case '&':
      if (prev == '&' && P.local_brace > 0 && !P.class_flag) {
        ++P.func_and_count;
      }
      break;
    case '|':
      if (prev == '|') ++P.func_or_count;
      break;
    case '=':
      if (prev == '=' || prev == '!' || prev == '<' || prev == '>') break;
      if (next == '=' || P.template_header_pending) break;
      P.assignment_flag = 1;
      if (P.local_brace < 1 && OperatorBefore(s, i)) P.assignment_flag = 0;
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
      if (next != '=' && next != '>' && prev != '>' && prev != '-') {
        --P.angle_depth;
        if (P.angle_depth < 1 && P.template_beg_flag) P.template_beg_flag = 0;
      }
      break;
    case ',':
      ScopeComma(line, i, G);
      break;
    case ':':
      if (next == ':') {
        ++i;  // a "::" pair counts as one character
        break;
      }
      ScopeColon(line, i, G);
      break;
    case '~':
      ScopeTilde(line, i, G);
      break;
    default:
      if (c == '_' || (c >= 'a' && c <= 'w' &&
                       strchr("abcdefgimnoprstuvw", c) != nullptr)) {
        RecogniseWord(line, i, s.number, G);
      }
      break;
  }
}

bool HasFallThroughPhrase(const char* line) {
  return strstr(line, "fall through") != nullptr ||
         strstr(line, "drop through") != nullptr ||
         strstr(line, "fall thru") != nullptr ||
         strstr(line, "drop thru") != nullptr;
}

}  // namespace

void ShowStateLine(Globals& G, int line_number, const char* label) {
  std::string middle = Fmt(" %s Line: %d ", label, line_number);
  int lead = 36 - static_cast<int>(middle.size() / 2);
  std::string marker(static_cast<size_t>(lead > 0 ? lead : 0), '-');
  marker += middle;
  if (marker.size() < 72) marker.append(72 - marker.size(), '-');
  if (strstr(label, "End") != nullptr) {
    Out(G, "  %s\n", marker.c_str());
  } else {
    Out(G, "\n  %s\n", marker.c_str());
  }
}

void ParseLine(const char* line, int line_number, Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  if (line == nullptr) {
    P.comment_run_open = 0;
    P.comment_run_lines = 0;
    return;
  }

  // Line intake.
  if (P.first_line) {
    P.comment_run_open = 1;
    P.first_line = 0;
  }
  int n = static_cast<int>(strlen(line));
  if (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n')) --n;
  if (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n')) --n;
  if (G.key_string_set && !P.key_string_found &&
      strstr(line, G.key_string.c_str()) != nullptr) {
    P.key_string_found = 1;
  }
  if (P.local_brace < 0) P.local_brace = 0;
  Bump(M.characters, n);
  EmitLineLengthNotice(line_number, n, G);
  ScopeLineStart(line, line_number, G);

  LineScan s{line, n, line_number, 0, -2};
  while (IsBlankOrTab(line[s.lead])) ++s.lead;

  bool is_blank = true;
  bool is_code = false;
  bool is_noneffective = false;
  bool has_c_comment = P.in_c_comment != 0;
  int first_nonblank = 0;
  char last_nonblank = '\0';

  for (int i = 0; i < n; ++i) {
    const char c = line[i];
    const signed char sc = static_cast<signed char>(c);
    if (is_blank && sc > 32) {
      first_nonblank = i;
      is_blank = false;
    }
    if (!is_code && !is_blank && !P.in_c_comment && !P.in_line_comment &&
        sc > 32 && c != '/') {
      is_code = true;
    }
    const char next = line[i + 1];
    if (c == '\t') {
      Bump(M.spaces, G.tab_width);
      EmitTabNotice(line_number, G);
    } else if (c == ' ') {
      Bump(M.spaces, 1);
    } else if (c == '"' && !P.in_c_comment && !P.in_line_comment &&
               !P.in_char && !IsEscaped(line, i)) {
      if (!P.in_string) {
        P.in_string = 1;
      } else {
        Bump(M.string_count, 1);
        P.in_string = 0;
      }
    } else if (c == '\'' && !P.in_c_comment && !P.in_string &&
               !P.in_line_comment && !IsEscaped(line, i)) {
      P.in_char = !P.in_char;
    } else if (c == '*' && !P.in_string && !P.in_char && !P.in_line_comment &&
               P.in_c_comment && next == '/') {
      P.in_c_comment = 0;
      has_c_comment = true;
      last_nonblank = '/';
      ++i;  // the '/' closes the comment and starts nothing new
      continue;
    } else if (c == '*' && !has_c_comment) {
      P.pointer_marker = 1;
    } else if (c == '/' && !P.in_string && !P.in_c_comment && !P.in_char &&
               !P.in_line_comment && next == '*') {
      P.in_c_comment = 1;
      has_c_comment = true;
      P.c_comment_line = line_number;
      last_nonblank = '*';
      ++i;  // the '*' opens the comment and closes nothing
      continue;
    } else if (c == '/' && !P.in_string && !P.in_c_comment && !P.in_char &&
               !P.in_line_comment && next == '/' && (i == 0 || line[i - 1] != '*')) {
      P.in_line_comment = 1;
    } else if (!P.in_c_comment && !P.in_line_comment && !P.in_string &&
               !P.in_char) {
      CodeCharacter(s, i, is_noneffective, G);
    }
    // The handlers may have consumed characters: the last one counts.
    if (!IsSpaceOrEnd(line[i])) {
      last_nonblank = line[i];
    } else if (!IsSpaceOrEnd(c)) {
      last_nonblank = c;
    }
  }

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
  if (is_code) P.last_code_line = line;
  if (last_nonblank != '\\') {
    if (P.function_macro) {
      P.function_macro = 0;
      if (G.macro_flag && G.notice_flag && !G.totals_flag) {
        PrintMacroName(P.macro_name, "\n", G);
        ShowStateLine(G, line_number, "Macro End");
      }
    }
    P.preproc_flag = 0;
    P.define_flag = 0;
    P.in_line_comment = 0;
  }
}
