// A class header from its keyword to its opening brace: the name (on the
// keyword's line or the next), decorations before it, the base list, and
// the end of a header that turns out to be a declaration or a type.
#include <cstring>
#include <string>
#include <string_view>

#include "base/scanner.h"
#include "base/strippers.h"
#include "recognise/class_seams.h"
#include "recognise/classes.h"
#include "recognise/functions.h"
#include "recognise/java_records.h"
#include "recognise/keyword_hooks.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

// The longest base list kept.
constexpr size_t kMaxBaseList = 4095;

bool StartsName(char c) { return isfirstchar(static_cast<unsigned char>(c)); }

// The index of the next code character from k, or -1 at the line end, a
// '//' or a comment not closed on the line.
int CodeAt(const char* line, int k) {
  k = NextCodeIndex(line, k);
  if (IsLineEnd(line[k]) || (line[k] == '/' && line[k + 1] == '/')) return -1;
  if (line[k] == '/' && line[k + 1] == '*') return -1;
  return k;
}

// The index after the group that opens at k with `open` and closes with
// `close` on this line; -1 when it does not close on it.
int GroupEnd(const char* line, int k, char open, char close) {
  int depth = 0;
  for (; !IsLineEnd(line[k]); ++k) {
    if (line[k] == open) {
      ++depth;
    } else if (line[k] == close && --depth == 0) {
      return k + 1;
    }
  }
  return -1;
}

// A name written like a macro: capitals, digits and '_', with a capital.
bool LooksLikeMacro(std::string_view word) {
  bool capital = false;
  for (char c : word) {
    if (c >= 'A' && c <= 'Z') {
      capital = true;
    } else if (!(c >= '0' && c <= '9') && c != '_') {
      return false;
    }
  }
  return capital && word.size() >= 2;
}

// Words that decorate a class without naming it.
bool IsDecorationWord(std::string_view word) {
  return word == "alignas" || word == "_Alignas" || word == "__attribute__" ||
         word == "__attribute" || word == "__declspec";
}

// Words that may follow the name in a header.
bool IsHeaderWord(const char* at) {
  for (const char* word : {"final", "extends", "implements", "sealed"}) {
    const size_t n = strlen(word);
    if (strncmp(at, word, n) == 0 && !IsNameChar(at[n])) return true;
  }
  return false;
}

// Reads the name that starts at k: name characters and '::' between them,
// with a template argument list after a part ('Map<K, V>'; Java type
// parameters are read but not kept). Returns the index after it.
int ReadName(const char* line, int k, bool keep_arguments, std::string& out) {
  out.clear();
  for (;;) {
    const int start = k;
    while (IsNameChar(line[k]) || line[k] == '~') ++k;
    out.append(line + start, static_cast<size_t>(k - start));
    if (line[k] == '<') {
      // Arguments that go on on the next line are not kept.
      const int end = GroupEnd(line, k, '<', '>');
      if (end < 0) return static_cast<int>(strlen(line));
      if (keep_arguments) out.append(line + k, static_cast<size_t>(end - k));
      k = end;
    }
    if (line[k] == ':' && line[k + 1] == ':' && StartsName(line[k + 2])) {
      out += "::";
      k += 2;
      continue;
    }
    return k;
  }
}

// The name as the reports show it: blanks, line ends, braces and ';'
// removed, template brackets formatted.
void FormatClassName(std::string& name) {
  std::string out;
  for (char c : name) {
    if (c != '{' && c != '}' && c != ';' && c != ' ' && c != '\r' &&
        c != '\n' && c != '\t') {
      out += c;
    }
  }
  FormatTemplateLine(out);
  name = std::move(out);
}

// Qualifies a bare name with its namespace and enclosing class bodies.
void Qualify(std::string& name, FileState& P) {
  if (name.find("::") != std::string::npos ||
      name.find('.') != std::string::npos) {
    return;
  }
  const bool in_namespace =
      P.namespace_flag && !P.namespace_name.empty() &&
      StartsName(P.namespace_name[0]);
  if (in_namespace) {
    const std::string& scope = P.class_flag ? P.cls.name : P.namespace_name;
    name = scope + (P.java_file ? "." : "::") + name;
  } else if (P.class_flag) {
    name = P.cls.name + (P.cpp_file ? "::" : ".") + name;
  }
}

// Adds the text of `line` from `from` to the base list, up to a '{' (which
// ends the header), without comments.
void AppendBaseList(const char* line, int from, ClassState& P) {
  std::string text = line + from;
  StripCComment(text);
  StripCPPComment(text);
  const size_t brace = text.find('{');
  P.base_list_open = brace == std::string::npos;
  if (!P.base_list_open) text.resize(brace);
  if (!P.inheritance_line.empty()) P.inheritance_line += ' ';
  P.inheritance_line += text;
  if (P.inheritance_line.size() > kMaxBaseList) {
    P.inheritance_line.resize(kMaxBaseList);
  }
  P.inheritance_flag = 1;
}

// Removes the whole words `word` from `s`.
void RemoveWord(std::string& s, std::string_view word) {
  size_t at = 0;
  while ((at = s.find(word, at)) != std::string::npos) {
    const bool starts = at == 0 || !IsNameChar(s[at - 1]);
    const size_t end = at + word.size();
    if (starts && (end >= s.size() || !IsNameChar(s[end]))) {
      s.erase(at, word.size());
    } else {
      at = end;
    }
  }
}

}  // namespace

void GetClassname(const char* line, int pos, Globals& G) {
  FileState& P = G.parse;
  P.header_name.clear();
  if (line == nullptr || P.template_beg_flag) return;
  const int length = static_cast<int>(strlen(line));
  if (pos > length) {
    OutError(G,
             {"Internal Error, GetClassname... Aborting",
              std::string("Line: ") + line},
             {.label = "ERROR", .margin = 0, .blank_before = false});
    ClassHeaderCancel(P);
    return;
  }
  // Decorations before the name ('class LLVM_ABI Foo', 'struct
  // alignas(8) Foo', 'class [[nodiscard]] Foo') are stepped over; their
  // parentheses name no function.
  const bool java = P.java_file != 0;
  std::string word;
  int k = pos;
  for (;;) {
    k = CodeAt(line, k);
    if (k < 0) {
      P.class_name_pending = 1;
      return;
    }
    if (!java && line[k] == '[' && line[k + 1] == '[') {
      k = GroupEnd(line, k, '[', ']');
      if (k < 0) {
        P.class_name_pending = 1;
        return;
      }
      continue;
    }
    if (!StartsName(line[k])) {
      P.class_name_pending = 1;
      return;
    }
    const int end = ReadName(line, k, !java, word);
    const int after = CodeAt(line, end);
    const bool decoration =
        !java && (IsDecorationWord(word) || LooksLikeMacro(word) ||
                  is_macro(word, G));
    if (decoration && after >= 0 && line[after] == '(') {
      const int close = GroupEnd(line, after, '(', ')');
      P.decor_line = G.metrics.lines;
      P.decor_end = close < 0 ? length : close;
      if (close < 0) {
        P.class_name_pending = 1;
        return;
      }
      k = close;
      continue;
    }
    if (decoration && after >= 0 && StartsName(line[after]) &&
        !IsHeaderWord(line + after)) {
      k = after;
      continue;
    }
    break;
  }
  P.class_name_pending = 0;
  Qualify(word, P);
  FormatClassName(word);
  P.header_name = std::move(word);
}

void ClassHeaderCancel(FileState& P) {
  P.class_header_pending = 0;
  P.struct_pending = 0;
  P.interface_pending = 0;
  P.class_name_pending = 0;
  P.header_name.clear();
  P.inheritance_flag = 0;
  P.inheritance_line.clear();
  P.base_list_open = 0;
  RecordHeaderEnds(P);
}

void ClassLineStart(const char* line, Globals& G) {
  FileState& P = G.parse;
  if (!P.class_header_pending || P.define_flag) return;
  if (P.class_name_pending) {
    GetClassname(line, 0, G);
  } else if (P.base_list_open) {
    AppendBaseList(line, 0, P);
  }
}

bool ClassDecorationParen(int i, const FileWork& G) {
  const FileState& P = G.parse;
  // In the template arguments of a header ('struct Min :
  // std::integral_constant<uintptr_t, (V < Min<Vs...>::value)>').
  if (P.class_header_pending && P.angle_depth > P.header_angle) return true;
  return P.decor_line == G.metrics.lines && i < P.decor_end;
}

void ClassCloseParen(FileState& P) {
  // 'void f(struct foo *p)': the keyword named a parameter's type.
  if (P.class_header_pending && P.local_paren < P.header_paren) {
    ClassHeaderCancel(P);
  }
}

void ClassColon(const char* line, int i, FileState& P) {
  if (!P.class_header_pending || P.class_name_pending || P.java_file ||
      P.inheritance_flag || P.header_name.empty() ||
      P.local_paren > P.header_paren) {
    return;
  }
  AppendBaseList(line, i + 1, P);
}

void ClassBaseList(const char* line, int i, FileWork& G) {
  FileState& P = G.parse;
  // 'class Box<T extends Shape> extends Base': the first "extends" bounds
  // a type parameter.
  int depth = 0;
  for (int k = P.header_line == G.metrics.lines ? P.header_pos : 0; k < i;
       ++k) {
    if (line[k] == '<') ++depth;
    if (line[k] == '>') --depth;
  }
  if (depth > 0) return;
  P.inheritance_line.clear();
  AppendBaseList(line, i, P);
}

std::string FormatInheritline(const std::string& text, const LineParserState& P) {
  std::string s = text;
  if (P.java_file) {
    StripImplements(s);
    // A sealed class's permitted subclasses are no bases.
    for (size_t at = s.find("permits"); at != std::string::npos;
         at = s.find("permits", at + 1)) {
      if ((at == 0 || !IsNameChar(s[at - 1])) && !IsNameChar(s[at + 7])) {
        s.resize(at);
        break;
      }
    }
  }
  const size_t brace = s.find('{');
  if (brace != std::string::npos) s.resize(brace);
  for (std::string_view word :
       {"public", "private", "protected", "virtual", "extends"}) {
    RemoveWord(s, word);
  }
  FormatClassName(s);
  if (s.size() > kMaxBaseList) s.resize(kMaxBaseList);
  return s;
}

int CountParents(const std::string& text) {
  if (text.empty()) return 0;
  int parents = 1;
  int angle = 0;
  int paren = 0;
  for (char c : text) {
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) --angle;
    if (c == '(') ++paren;
    if (c == ')' && paren > 0) --paren;
    if (c == ',' && angle == 0 && paren == 0) ++parents;
  }
  return parents;
}

int CheckMultipleInheritance(const std::string& text) {
  return CountParents(text) > 1 ? 1 : 0;
}
