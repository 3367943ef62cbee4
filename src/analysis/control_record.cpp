// The control-statement record: after "if", "else", "for", "while" or
// "do" the statement's body should open with a brace, checked at the ')'
// that closes the condition and on the line that follows.
#include "analysis/keywords.h"
#include "base/scanner.h"
#include "analysis/keyword_notices.h"

void RecordControl(int kind, int line_number, FileState& P) {
  P.control_kind = kind;
  P.control_line = line_number;
  P.control_paren = P.local_paren;
}

void KeywordCloseParen(const char* line, int i, int line_number, FileWork& G) {
  FileState& P = G.parse;
  P.catch_flag = 0;
  if (P.local_paren == 0) {
    P.if_condition = 0;
    P.while_condition = 0;
  }
  if (P.control_kind == 0 || P.control_body_line != 0) return;
  const int next = NextChar(line + i + 1);
  // A brace opens the body; a ';' after "while (...)" ends a do-while.
  if (next == '{' || (next == ';' && P.control_kind == 5)) {
    ClearControl(G);
    return;
  }
  // Once the condition has closed the body must follow, here or on a
  // later line.
  P.control_body_line = P.local_paren == P.control_paren ? line_number : 0;
}

void KeywordOpenBrace(FileWork& G) {
  FileState& P = G.parse;
  ClearControl(G);
  if (P.enum_state == 2) {
    Bump(G.metrics.enum_count, 1);
    P.enum_state = 1;
  }
}

void CheckControlScope(const char* line, int i, int line_number, Globals& G) {
  FileState& P = G.parse;
  if (P.control_body_line == 0 || P.control_body_line >= line_number) return;
  // Outside a function body nothing is reported, so nothing is searched.
  if (P.local_brace <= 0) return;
  if (P.scope_scan_line == line_number && i < P.scope_scan_until) return;
  bool crossed_comment = false;
  const int at = FindCodeCharAt(line + i, '{', &crossed_comment);
  if (at < 0) {
    EmitScopeError(G);
    return;
  }
  // Every later code character before that brace finds it too, unless a
  // comment lay between (a string can hide a comment opener from the
  // search but not from the parser).
  if (!crossed_comment) {
    P.scope_scan_line = line_number;
    P.scope_scan_until = i + at;
  }
}
