// Reading the name of a function being defined from the text before the
// '(' of its parameter list, and the tests a name must pass.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "base/scanner.h"
#include "recognise/functions.h"
#include "recognise/run_names.h"
#include "base/output.h"

namespace {

// Words that stand before a '(' without naming a function: types (a cast,
// a declaration in parentheses) and control statements.
constexpr const char* kSystemTypes[] = {
    "unsigned", "char",   "short", "int", "long", "float", "double",
    "void",     "signed", "while", "if",  "else", "for",
};

// The first code character after index `pos`; a // gives a line feed.
int CodeCharAfter(const char* line, int pos) { return NextChar(line + pos + 1); }

// Index of the first "//" before `limit`, or -1.
int LineCommentBefore(const char* line, int limit) {
  const std::string_view text(line, static_cast<size_t>(limit));
  const size_t at = text.find("//");
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// Index of the first "operator" of the line that stands as a word of its
// own, when it lies before `limit`; -1 otherwise. What was searched of the
// line is kept: a line with many '(' asks again for each.
int OperatorWordBefore(const char* line, int limit, FileWork& G) {
  FileState& P = G.parse;
  if (P.operator_scan_text != line || P.operator_scan_line != G.metrics.lines) {
    P.operator_scan_text = line;
    P.operator_scan_line = G.metrics.lines;
    P.operator_scan_upto = 0;
    P.operator_scan_at = -1;
  }
  if (P.operator_scan_at < 0 && P.operator_scan_upto < limit) {
    // A word that began before the part searched so far ends in it.
    const int from = std::max(0, P.operator_scan_upto - 7);
    const std::string_view text(line + from,
                                static_cast<size_t>(limit - from));
    for (size_t k = text.find("operator"); k != std::string_view::npos;
         k = text.find("operator", k + 1)) {
      const int at = from + static_cast<int>(k);
      const bool starts = at == 0 || !IsNameChar(line[at - 1]);
      if (starts && !IsNameChar(line[at + 8])) {
        P.operator_scan_at = at;
        break;
      }
    }
    P.operator_scan_upto = limit;
  }
  return P.operator_scan_at >= 0 && P.operator_scan_at < limit
             ? P.operator_scan_at
             : -1;
}

// The '(' that holds the function's name when the first '(' of the line,
// at `pos`, opens a function-pointer declarator ('void (*signal(int))'):
// the next '(' of the line, further on while that one is again followed
// by '*'. -1 when the line has no further '('.
int DeclaratorParen(const char* line, int pos) {
  while (CodeCharAfter(line, pos) == '*') {
    const char* next = strchr(line + pos + 1, '(');
    if (next == nullptr) return -1;
    pos = static_cast<int>(next - line);
  }
  return pos;
}

// Collects into `name` the name that ends before index `k` + 1,
// backwards: blanks, TABs and ')' before it are skipped; a template
// argument list is taken whole (without blanks); a /* */ comment is stepped
// over; the name ends at '(', '*', '&', a blank, the line start, or at a
// '{', '}' or ';' that ends an earlier statement ('f(){}g(){}').
void NameBefore(const char* line, int k, std::string& name) {
  auto ends_name = [](char c) {
    return c == '(' || c == '*' || c == '&' || c == '{' || c == '}' ||
           c == ';';
  };
  while (k >= 0 && (IsBlankOrTab(line[k]) || line[k] == ')')) --k;
  // Most names are a plain run of name characters: taken whole.
  int start = k;
  while (start >= 0 && (IsNameChar(line[start]) || line[start] == ':' ||
                        line[start] == '~')) {
    --start;
  }
  if (start < 0 || IsBlankOrTab(line[start]) || ends_name(line[start])) {
    name.assign(line + start + 1, static_cast<size_t>(k - start));
    return;
  }
  std::string reversed;
  while (k >= 0) {
    const char c = line[k];
    if (ends_name(c)) break;
    if (c == '/' && k > 0 && line[k - 1] == '*') {
      int open = k - 2;
      while (open > 0 && !(line[open - 1] == '/' && line[open] == '*')) --open;
      if (open <= 0) break;  // the comment began on an earlier line
      k = open - 2;
      while (k >= 0 && IsBlankOrTab(line[k])) --k;
      continue;
    }
    if (c == '>') {
      int depth = 0;
      while (k >= 0) {
        const char t = line[k];
        if (t == '>') ++depth;
        if (t == '<') --depth;
        if (!IsBlankOrTab(t)) reversed += t;
        --k;
        if (depth == 0) break;
      }
      if (k < 0 || IsBlankOrTab(line[k]) || ends_name(line[k])) break;
      continue;
    }
    reversed += c;
    if (k == 0) break;
    const char before = line[k - 1];
    if (IsBlankOrTab(before) || ends_name(before)) break;
    --k;
  }
  name.assign(reversed.rbegin(), reversed.rend());
}

// The class or namespace written before "operator" ('Matrix<T>::operator
// +='), without blanks and without the '::'; empty when there is none.
std::string OperatorScope(const char* line, int op) {
  int k = op - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  if (k < 1 || line[k] != ':' || line[k - 1] != ':') return std::string();
  const int end = k - 1;  // the first ':'
  int start = end - 1;
  while (start >= 0 && line[start] != '<') --start;
  if (start >= 0 &&
      memchr(line + start, '>', static_cast<size_t>(end - start)) != nullptr) {
    // The blank-delimited word that holds the template argument list.
    while (start > 0 && !IsBlankOrTab(line[start - 1])) --start;
  } else {
    start = end;
    while (start > 0 && !IsBlankOrTab(line[start - 1]) &&
           line[start - 1] != '&' && line[start - 1] != '*') {
      --start;
    }
  }
  std::string scope;
  for (int j = start; j < end; ++j) {
    if (!IsBlankOrTab(line[j])) scope += line[j];
  }
  return scope;
}

// "operator" and its symbol up to the '(' of the parameter list: the
// first blank kept as one blank, later blanks dropped, comments skipped
// ('operator  +=  (' gives "operator +="). The call operator is
// "operator ()".
std::string OperatorSymbol(const char* line, int op) {
  std::string name = "operator";
  int k = op + 8;
  if (CodeCharAfter(line, k - 1) == '(') return "operator ()";
  bool blank_copied = false;
  while (!IsLineEnd(line[k]) && line[k] != '(') {
    if (line[k] == '/' && line[k + 1] == '*') {
      const char* close = strstr(line + k + 2, "*/");
      if (close == nullptr) break;
      k = static_cast<int>(close - line) + 2;
      continue;
    }
    if (IsBlankOrTab(line[k])) {
      if (!blank_copied) name += ' ';
      blank_copied = true;
    } else {
      name += line[k];
    }
    ++k;
  }
  return name;
}

// The text begins like a name: a letter, '_' or '~'.
bool StartsLikeName(const std::string& name) {
  return !name.empty() && isfirstchar(static_cast<unsigned char>(name[0]));
}

// The name inside a namespace: its scope prefix.
void PrefixNamespace(FileState& P) {
  if (!P.namespace_flag || !StartsLikeName(P.namespace_name)) return;
  std::string& name = P.func_name;
  const size_t colon = name.find(':');
  if (colon != std::string::npos) {
    // Already qualified by the namespace ('a::b::f' in namespace a::b).
    const std::string& ns = P.namespace_name;
    const bool qualified =
        name.compare(0, colon, ns) == 0 ||
        (name.size() > ns.size() + 2 && name.compare(0, ns.size(), ns) == 0 &&
         name.compare(ns.size(), 2, "::") == 0);
    if (!qualified) {
      name = P.namespace_name + "::" + name;
    }
    return;
  }
  const std::string& scope =
      P.class_flag && StartsLikeName(P.class_name) ? P.class_name
                                                   : P.namespace_name;
  name = scope + (P.java_file ? "." : "::") + name;
}

}  // namespace

int is_systype(const std::string& name, Globals& G) {
  const FileState& P = G.parse;
  if (name.empty() || static_cast<unsigned char>(name[0]) <= ' ') return 0;
  if (P.assignment_flag) return 0;
  // Every system type word is 2 to 8 lower-case letters.
  if (name.size() < 2 || name.size() > 8 || name[0] < 'c' || name[0] > 'w') {
    return 0;
  }
  for (const char* word : kSystemTypes) {
    if (name == word) {
      if (G.debug_flag) {
        Out(G,
            "  Warning: Line No. %d\n"
            "           Function name is a system type - %s\n"
            "           This may occur if a macro name is equivalent\n"
            "           to a function name.  Functional analysis has\n"
            "           been skipped by KLV.\n\n",
            G.metrics.lines, name.c_str());
      }
      return 1;
    }
  }
  return 0;
}

int is_macro(const std::string& name, Globals& G) {
  if (name.empty() || static_cast<unsigned char>(name[0]) <= ' ') return 0;
  return IsMacroName(name, G) ? 1 : 0;
}

int ValFunctionName(Globals& G, bool operator_name) {
  FileState& P = G.parse;
  std::string& name = P.func_name;
  while (name.size() > 1 && (IsBlankOrTab(name.back()) || name.back() == '\r' ||
                             name.back() == '\n')) {
    name.pop_back();
  }
  int valid = 1;
  if (operator_name && !P.c_file) {
    valid = StartsLikeName(name) || (!name.empty() && name[0] == ':');
  } else {
    // Every character outside template brackets must be a name character
    // (or, in C++ and Java, a scope or template bracket); the arguments of
    // a template ('Map<int, int*>') may hold anything.
    const bool scoped = P.cpp_file || P.java_file;
    int depth = 0;
    for (const char c : name) {
      if (IsNameChar(c) || c == '~') continue;
      if (depth > 0 && c != '<' && c != '>') continue;
      if (!scoped || (c != ':' && c != '<' && c != '>')) {
        valid = 0;
        break;
      }
      if (c == '<') ++depth;
      if (c == '>' && depth > 0) --depth;
    }
    // 'enable_if_t<(N < 64), bool> f(': a '(' inside template arguments
    // ends no function name.
    if (depth > 0) valid = 0;
  }
  if (G.debug_flag) {
    Out(G, "\nValFunctionName: %d - %s\n\n", valid, name.c_str());
  }
  return valid;
}

int GetFunction(const char* line, int paren_pos, Globals& G) {
  FileState& P = G.parse;
  P.macro_call_flag = 0;
  if (line == nullptr || paren_pos < 0 || P.instantiate_colon_flag) {
    return paren_pos;
  }
  if (G.debug_flag) Out(G, "\nGetFunction: %s\n", line);
  P.func_name.clear();

  const int op = P.c_file ? -1 : OperatorWordBefore(line, paren_pos, G);
  if (op >= 0) {
    std::string scope = OperatorScope(line, op);
    P.func_name = OperatorSymbol(line, op);
    // The call operator's own "()" comes first; its list is the next '('.
    if (P.func_name == "operator ()") {
      const char* close = strchr(line + paren_pos, ')');
      const char* list = close == nullptr ? nullptr : strchr(close, '(');
      if (list != nullptr) paren_pos = static_cast<int>(list - line);
    }
    if (!scope.empty()) P.func_name = scope + "::" + P.func_name;
    if (G.debug_flag) {
      Out(G, "\n operator G->func_name = %s\n\n", P.func_name.c_str());
    }
  } else {
    // Called for the end of the previous line, whose name may stand
    // before a line comment: the name ends before it. (Before a '(' in
    // code a "//" can only be inside a literal.)
    if (line[paren_pos] != '(') {
      const int comment = LineCommentBefore(line, paren_pos);
      if (comment >= 0) paren_pos = comment;
    }
    if (CodeCharAfter(line, paren_pos) == '*') {
      const char* first = strchr(line, '(');
      if (first == strrchr(line, '(')) return paren_pos + 1;
      const int declarator = DeclaratorParen(line, paren_pos);
      if (declarator < 0) return paren_pos + 1;
      paren_pos = declarator;
    }
    NameBefore(line, paren_pos - 1, P.func_name);
  }

  if (!ValFunctionName(G, op >= 0)) {
    P.func_name.clear();
    return paren_pos;
  }
  if (is_systype(P.func_name, G)) {
    P.funcname_flag = 0;
    P.param_scan_flag = 0;
    P.func_name.clear();
    return paren_pos;
  }
  if (is_macro(P.func_name, G)) {
    const std::string name = P.func_name;
    const char* at = strstr(line, name.c_str());
    const bool invoked =
        at == nullptr ||
        CodeCharAfter(line, static_cast<int>(at - line + name.size()) - 1) ==
            '(';
    const int before = paren_pos - static_cast<int>(name.size());
    if (!invoked && before > 0) return GetFunction(line, before, G);
    P.funcname_flag = 0;
    P.param_scan_flag = 0;
    P.function_template_flag = 0;
    P.func_name.clear();
    P.function_template_line.clear();
    return paren_pos;
  }

  if (IsUpperCase(P.func_name.c_str()) &&
      NextTokenView(line, 0) == P.func_name) {
    P.macro_call_flag = 1;
  }
  P.funcname_flag = 1;
  P.param_scan_flag = 1;
  P.func_param_count = 0;
  P.func_return_count = 0;
  ClearPrototypeState(P);
  PrefixNamespace(P);
  return paren_pos;
}

void SetInterface(std::string& name) { name = "Interface-" + name; }

std::string GetInterface(const std::string& name) {
  if (name.find("Interface-") == std::string::npos) return std::string();
  return name.substr(name.find('-') + 1);
}
