// The function candidate from its '(' to its body: recognition at a '('
// outside any body, the parameter count, and the end of a candidate that
// turns out to be a prototype, a declaration or a macro invocation.
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/attributes.h"
#include "base/scanner.h"
#include "base/strippers.h"
#include "recognise/class_seams.h"
#include "recognise/functions.h"
#include "recognise/keyword_hooks.h"

namespace {

// The candidate is open and its body has not begun.
bool InHeader(const FileState& P) {
  return P.funcname_flag && !P.func_body_open;
}

// The parameter count for a first parameter token: "void" alone (followed
// by ')' or the line end) is no parameter, any other token one.
int FirstParameter(const char* line, int pos) {
  const std::string_view token = NextTokenView(line, pos);
  if (token.empty() || !isfirstchar(static_cast<unsigned char>(token[0]))) {
    return -1;
  }
  if (token != "void") return 1;
  const int at = NextCodeIndex(line, pos);
  const int after = NextChar(line + at + 4);
  return after == ')' || IsLineEnd(static_cast<char>(after)) ? 0 : 1;
}

// Inside a class definition a name without its class's scope gets it.
void PrefixClass(FileState& P) {
  if (!P.class_flag) return;
  std::string& name = P.func_name;
  if (P.java_file && name.find('.') == std::string::npos) {
    name = P.class_name + "." + name;
  } else if (P.cpp_file && name.find("::") == std::string::npos) {
    name = P.class_name + "::" + name;
  }
}

// Counts the first parameter of the list whose '(' is at `paren`: a token
// after it decides; a '(' that ends its line leaves the decision to the
// next line.
void StartParameterList(const char* line, int paren, FileWork& G) {
  FileState& P = G.parse;
  P.param_paren_depth = P.local_paren;
  P.param_list_open_at = paren;
  P.param_list_open_line = G.metrics.lines;
  const int first = FirstParameter(line, paren + 1);
  if (first >= 0) {
    P.func_param_count = first;
  } else if (IsLineEnd(static_cast<char>(NextChar(line + paren + 1)))) {
    P.param_pending = 1;
  }
}

// The last character before index i that is not a blank or TAB, or '\0'.
char PreviousCodeChar(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  return k >= 0 ? line[k] : '\0';
}

// The statement ending at the ';' at index i reads like a declaration of
// parameters ('int a;', 'char *s;'): at least two words since the line's
// start or an earlier ';'.
bool DeclaresParameters(const char* line, int i) {
  int start = i;
  while (start > 0 && line[start - 1] != ';') --start;
  int words = 0;
  bool in_word = false;
  for (int k = start; k < i; ++k) {
    const bool word_char = isfirstchar(static_cast<unsigned char>(line[k])) ||
                           (in_word && line[k] >= '0' && line[k] <= '9');
    if (word_char && !in_word) ++words;
    in_word = word_char;
  }
  return words >= 2;
}

// The identifiers of an old-style parameter list, the text between the
// '(' at `open` and its ')': names and commas only ('a, b'). Empty when
// the list holds anything else (types, a prototype's parameters).
std::vector<std::string_view> IdentifierList(const char* line, int open,
                                             int& close) {
  std::vector<std::string_view> names;
  int k = open + 1;
  for (;;) {
    k = SkipBlanks(line, k);
    const int start = k;
    while (IsNameChar(line[k])) ++k;
    if (k == start || !isfirstchar(static_cast<unsigned char>(line[start]))) {
      return {};
    }
    names.emplace_back(line + start, static_cast<size_t>(k - start));
    k = SkipBlanks(line, k);
    if (line[k] == ')') break;
    if (line[k] != ',') return {};
    ++k;
  }
  close = k;
  return names;
}

// The ';' at index i ends an old-style declaration of a parameter written
// on the line of the list itself ('int f(a, s) int a; char *s; {'): the
// statement since the list's ')' (or an earlier ';') holds a type and a
// name, and the name is one of the list's.
bool DeclaresListedParameter(const char* line, int open, int i) {
  int close = 0;
  const std::vector<std::string_view> names = IdentifierList(line, open, close);
  if (names.empty() || close >= i) return false;
  int start = i;
  while (start > close + 1 && line[start - 1] != ';') --start;
  // The declarator's name: the last word, after any array bounds.
  int last = i;
  int bracket = 0;
  while (last > start) {
    const char c = line[last - 1];
    if (c == ']') ++bracket;
    if (c == '[') --bracket;
    if (bracket == 0 && IsNameChar(c)) break;
    --last;
  }
  int first = last;
  while (first > start && IsNameChar(line[first - 1])) --first;
  if (first == last || !DeclaresParameters(line + start, i - start)) {
    return false;
  }
  const std::string_view name(line + first, static_cast<size_t>(last - first));
  for (const std::string_view listed : names) {
    if (listed == name) return true;
  }
  return false;
}

// A '{' that opens an extern "C" block rather than a body.
bool ExternCBlock(const char* line) {
  const char* at = strstr(line, "extern");
  return at != nullptr && strstr(at, "\"C") != nullptr;
}

// The line's template header, or no marker, when a declaration ends.
void ClearMarkers(FileState& P) {
  P.function_template_flag = 0;
  P.function_template_line.clear();
  P.inline_function_flag = 0;
}

}  // namespace

void ClearPrototypeState(FileState& P) {
  P.param_list_closed = 0;
  P.param_list_closed_line = 0;
  P.paren_after_list = 0;
  P.knr_declarations = 0;
}

void DropCandidate(FileState& P) {
  P.funcname_flag = 0;
  P.param_scan_flag = 0;
  P.param_pending = 0;
  P.macro_call_flag = 0;
  P.instantiate_colon_flag = 0;
  P.func_name.clear();
  ClearPrototypeState(P);
  P.init_brace_depth = 0;
  P.param_list_start = -1;
  ClearMarkers(P);
}

void FunctionLineStart(const char* line, FileState& P) {
  P.param_list_start = -1;  // a position on the line before
  if (!P.param_pending || !InHeader(P)) return;
  const int first = FirstParameter(line, 0);
  if (first >= 0) {
    P.func_param_count = first;
    P.param_pending = 0;
  } else if (NextChar(line) == ')') {
    P.param_pending = 0;  // an empty list closed on this line
  }
}

void FunctionOpenParen(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  if (P.funcname_flag && P.param_list_start == i && !P.func_body_open) {
    P.param_list_start = -1;
    StartParameterList(line, i, G);
    return;
  }
  if (P.funcname_flag) {
    if (P.param_list_closed && !P.func_body_open) P.paren_after_list = 1;
    // A candidate that looked like a macro invocation gives way to the
    // next '(' outside any body and any parenthesis.
    if (!P.macro_call_flag || P.func_body_open || P.local_brace >= 1 ||
        P.local_paren - 1 >= 1) {
      return;
    }
    DropCandidate(P);
  }
  // A name stands before a '(' outside any parenthesis: the '(' of
  // '__attribute__((x))' or of a parameter 'long (*fill)(void)' names no
  // function. The code of a static initialiser block defines none.
  if (P.local_brace > 0 || P.local_paren > 1 || P.preproc_flag ||
      P.assignment_flag || P.typedef_flag || P.define_flag ||
      P.template_beg_flag || P.static_block_flag) {
    return;
  }
  // 'alignas(16)' and '[[deprecated("x")]]' name no function and end no
  // class header.
  if (InAttribute(line, i)) return;
  // 'decltype(x) f(int) {', 'struct S : decltype(g()) {': the '(' of
  // decltype, sizeof, __attribute__ and the like holds no parameters.
  if (!P.java_file && AfterOperandWord(line, i)) return;
  // 'struct node *next_node(void)' is a function, not a struct.
  ClassHeaderCancel(P);

  int list = i;
  if (NextCodeIndex(line, 0) == i && NextChar(line + i + 1) != '*') {
    // The name ended the previous line.
    const std::string& previous = P.last_code_line;
    if (previous.empty()) return;
    GetFunction(previous.c_str(), static_cast<int>(previous.size()) - 1, G);
  } else {
    list = GetFunction(line, i, G);
  }
  if (!P.funcname_flag) return;
  PrefixClass(P);
  P.param_angle_depth = P.angle_depth;
  if (list > i && line[list] == '(') {
    // The list opens at a later '(' of this line ('void (*signal(int))',
    // 'operator()(int)'): parameters count from there.
    P.param_list_start = list;
    return;
  }
  P.param_list_start = -1;
  StartParameterList(line, i, G);
}

void FunctionCloseParen(FileWork& G) {
  FileState& P = G.parse;
  if (!InHeader(P) || P.param_list_closed || P.param_list_start >= 0) return;
  if (P.local_paren < P.param_paren_depth) {
    P.param_list_closed = 1;
    P.param_list_closed_line = G.metrics.lines;
  }
}

void FunctionComma(const char* line, int i, FileState& P) {
  if (!InHeader(P) || P.param_list_start >= 0) return;
  if (!P.param_list_closed) {
    if (P.param_scan_flag && P.local_paren == P.param_paren_depth &&
        P.angle_depth <= P.param_angle_depth) {
      ++P.func_param_count;
    }
    return;
  }
  // 'f(1), g(2)' is a list of expressions or declarators, not a header;
  // a comma in the template arguments of a trailing return type
  // ('-> enable_if_t<decltype(h(v)), T> {') is part of the header.
  if (P.local_paren == 0 && !P.instantiate_colon_flag &&
      P.angle_depth <= P.param_angle_depth &&
      PreviousCodeChar(line, i) == ')') {
    DropCandidate(P);
  }
}

void FunctionColon(FileState& P) {
  // A constructor's initialiser list follows: its calls name no function.
  if (InHeader(P) && P.param_list_closed) P.instantiate_colon_flag = 1;
}

void FunctionAssignment(FileState& P) {
  // 'MACRO(x) int table[] = {': an initialised declaration follows what
  // looked like a header ('= 0', '= default' end a declaration as well).
  if (InHeader(P) && P.param_list_closed && P.local_paren == 0) {
    DropCandidate(P);
  }
}

void FunctionSemicolon(const char* line, int i, FileWork& G) {
  FileState& P = G.parse;
  if (!P.funcname_flag) {
    if (P.local_brace <= 0) ClearMarkers(P);
    return;
  }
  if (P.func_body_open || P.local_paren > 0) return;
  // Old-style parameter declarations between the list and the body:
  // 'int f(a, s)' / 'int a;' / 'char *s;' / '{'. Java has none: there
  // 'throws E;' on the next line ends a method declaration.
  if (!P.java_file && P.param_list_closed &&
      P.param_list_closed_line < G.metrics.lines && !P.paren_after_list &&
      DeclaresParameters(line, i)) {
    P.knr_declarations = 1;
    return;
  }
  // The same declarations on the line of the list.
  const int32_t here = G.metrics.lines;
  if (!P.java_file && P.param_list_closed && !P.paren_after_list &&
      P.param_list_closed_line == here && P.param_list_open_line == here &&
      DeclaresListedParameter(line, P.param_list_open_at, i)) {
    P.knr_declarations = 1;
    return;
  }
  DropCandidate(P);
}

void FunctionOpenBrace(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  if (P.local_brace >= 1 || P.func_body_open) {
    // A brace in the body; after a closing brace that could not end the
    // function the body goes on.
    if (P.local_brace < 0) P.local_brace = 0;
    ++P.local_brace;
    return;
  }
  if (!P.funcname_flag || P.assignment_flag || P.local_paren != 0 ||
      ExternCBlock(line)) {
    return;
  }
  // 'A() : v{1}, w{2} {': a member initialised with braces.
  const char before = PreviousCodeChar(line, i);
  if (P.instantiate_colon_flag && (IsNameChar(before) || before == '>')) {
    ++P.init_brace_depth;
    return;
  }
  BeginFunctionBody(line, G);
}

bool FunctionCloseBrace(Globals& G) {
  FileState& P = G.parse;
  if (!P.funcname_flag) return true;
  if (!P.func_body_open) {
    // A brace inside parentheses was not counted when it opened
    // ('A() : lo_{f(~T{0})} {}').
    if (P.local_paren > 0) return true;
    if (P.init_brace_depth > 0) {
      --P.init_brace_depth;
    } else if (P.local_paren <= 0) {
      // 'int a[] = { f(1), 2 };': a brace closes before any body opened.
      DropCandidate(P);
    }
    return true;
  }
  // Inside a body only the function's own closing brace brings the depth
  // below 1. Parentheses still open then were left unbalanced by #if
  // branches: the function ends all the same (notice 12 reports them).
  if (P.local_brace >= 1 || P.assignment_flag) return true;
  P.local_paren = 0;
  return EndFunctionBody(G);
}

void FunctionInlineMarker(FunctionState& P) { P.inline_function_flag = 1; }

void FunctionTemplateMarker(FileState& P) {
  P.function_template_flag = 1;
  P.function_template_line = P.template_header;
  FormatTemplateLine(P.function_template_line);
}

// The first parameter token decides "void" itself.
void FunctionVoidWord(const char*, int, Globals&) {}
