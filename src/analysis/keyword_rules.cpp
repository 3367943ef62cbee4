#include "analysis/keyword_rules.h"

#include <cstring>
#include <string>

#include "analysis/keywords.h"
#include "analysis/namespace_header.h"
#include "base/scanner.h"
#include "base/strippers.h"
#include "analysis/keyword_notices.h"
#include "recognise/class_seams.h"
#include "recognise/functions.h"
#include "recognise/keyword_hooks.h"
#include "recognise/namespaces.h"
#include "recognise/scope.h"

void ClassHeaderRule(const char* line, int i, ClassKeyword kind, Globals& G) {
  FileState& P = G.parse;
  const bool is_struct = kind == ClassKeyword::kStruct;
  const bool is_interface = kind == ClassKeyword::kInterface;
  // A class may be defined inside a function body (a local class), not in
  // a function's parameter list. After a closed list the candidate was a
  // macro invoked without ';' ('DEFINE_ACCESSORS(Load, Value)').
  const bool in_header = P.funcname_flag && !P.func_body_open;
  if (P.template_beg_flag ||
      (in_header && !P.macro_call_flag && !P.param_list_closed)) {
    return;
  }
  if (!is_interface && (P.define_flag || P.enum_state || P.typedef_flag)) {
    return;
  }
  if (P.friend_flag) P.friend_class = 1;
  // The rest of the header decides: a ';' without a '{' is a declaration
  // ('class Foo;', 'friend class B;'), or for a struct a struct-typed
  // variable or member.
  const int length = is_interface                      ? 9
                     : is_struct || kind == ClassKeyword::kRecord ? 6
                                                                  : 5;
  const char* rest = line + i + length;
  if (strchr(rest, ';') != nullptr && strchr(rest, '{') == nullptr) {
    if (!is_struct) P.class_declaration = 1;
    return;
  }
  if (in_header) DropCandidate(P);
  // A header still waiting for its brace was no header.
  ClassHeaderCancel(P);
  P.class_header_pending = 1;
  P.struct_pending = is_struct;
  P.interface_pending = is_interface;
  P.header_paren = P.local_paren;
  P.header_angle = P.angle_depth;
  P.header_line = G.metrics.lines;
  P.header_pos = i + length;
  if (NextChar(rest) == '{') {
    GetClassname("instance", 0, G);  // an unnamed class or struct
  } else {
    GetClassname(line, i + length, G);
  }
}

void EnumRule(const char* line, int end, FileWork& G) {
  FileState& P = G.parse;
  P.enum_state = 2;
  for (const char* p = line + end; *p != '\0'; ++p) {
    if (*p == '\n' || *p == '\r') return;
    if (*p == ';' || *p == ')' || *p == ',' || *p == '=') {
      P.enum_state = 0;
      return;
    }
    if (*p == '{') {
      Bump(G.metrics.enum_count, 1);
      P.enum_state = 1;
      return;
    }
  }
}

std::string TemplateHeaderText(const char* line) {
  size_t end = 0;
  while (!IsLineEnd(line[end])) ++end;
  const char* open = static_cast<const char*>(memchr(line, '<', end));
  if (open != nullptr) {
    int depth = 0;
    for (size_t k = static_cast<size_t>(open - line); k < end; ++k) {
      if (line[k] == '<') ++depth;
      if (line[k] == '>' && --depth == 0) {
        end = k + 1;
        break;
      }
    }
  }
  return std::string(line, end);
}

void TemplateRule(const char* line, int i, FileWork& G) {
  FileState& P = G.parse;
  const bool counted = KeywordTermin(line, i + 8, nullptr, '<', '<') != 0;
  if (counted) Bump(G.metrics.template_count, 1);
  // A template declaration (a ';' before any '{') is not a header.
  const char* semicolon = strchr(line, ';');
  const char* brace = strchr(line, '{');
  if (semicolon != nullptr && (brace == nullptr || semicolon < brace)) {
    if (counted) Bump(G.metrics.template_count, -1);
    return;
  }
  std::string header = TemplateHeaderText(line);
  StripCComment(header);
  StripCPPComment(header);
  Lefttrim(header);
  P.template_header = std::move(header);
  P.template_beg_flag = 1;
  FunctionTemplateMarker(P);
  P.angle_depth = 0;
}

void StaticRule(const char* line, int end, FileWork& G) {
  const int next = NextChar(line + end);
  if (next == '{') {
    StaticBlockBegin(G.metrics.openbrace_count - G.metrics.closebrace_count,
                     G.parse);
  } else if (IsLineEnd(static_cast<char>(next))) {
    G.parse.static_brace_wait = 1;
  }
}

void NamespaceRule(const char* line, int i, int line_number, Globals& G) {
  FileState& P = G.parse;
  // 'WARNINGS_PUSH_(4251)' without ';' before a namespace: the candidate
  // was a macro invoked, and the namespace's brace opens no body.
  if (P.funcname_flag && !P.func_body_open &&
      (P.macro_call_flag || P.param_list_closed)) {
    DropCandidate(P);
  }
  if (P.using_flag) {
    EmitUsingNamespace(line_number, G);
    return;
  }
  const NamespaceHeader header = ReadNamespaceHeader(line, i + 9);
  if (header.alias) return;  // an alias opens no namespace
  const std::string& name = header.name;
  const bool named = header.named;
  if (P.namespace_flag) {
    // One level only: the nested namespace counts for its host.
    EmitNestedNamespace(line_number, name, G);
    return;
  }
  P.namespace_flag = 1;
  P.namespacebeg_flag = 1;
  P.namespace_name = name;
  EmitNamespace(G, 1);
  if (named && NamespaceListAdd(name, line_number, G)) {
    Bump(G.metrics.namespace_count, 1);
  }
}

void PackageRule(const char* line, int i, int line_number, Globals& G) {
  FileState& P = G.parse;
  std::string name;
  if (!GetNextToken(line, i + 7, name)) {
    P.namespace_name.clear();
    return;
  }
  P.namespace_name = name;
  P.namespacebeg_flag = 1;
  P.namespace_flag = 1;
  EmitNamespace(G, 1);
  if (NamespaceListAdd(name, line_number, G)) {
    Bump(G.metrics.package_count, 1);
  }
}

void BaseListRule(const char* line, int i, FileWork& G) {
  ClassBaseList(line, i, G);
}

void DoRule(const char* line, int end, int line_number, Globals& G) {
  FileState& P = G.parse;
  RecordControl(1, line_number, P);
  const int next = NextChar(line + end);
  if (next == '{') {
    ClearControl(G);
  } else if (IsLineEnd(static_cast<char>(next))) {
    P.control_body_line = line_number;
  } else {
    EmitScopeError(G);  // the body is a statement on the same line
  }
}
