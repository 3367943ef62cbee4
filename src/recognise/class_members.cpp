// The members of the innermost open class body, declared directly in
// its body: methods and data members counted by access section, friend
// declarations, virtual methods and virtual destructors.
#include <cstring>
#include <string>

#include "base/scanner.h"
#include "base/strippers.h"
#include "notices/notices.h"
#include "recognise/class_seams.h"
#include "recognise/classes.h"
#include "recognise/keyword_hooks.h"
#include "base/output.h"

namespace {

// Slot of an access section in the counters: public, protected, private.
int Slot(int access) {
  return access == kPublicSection ? 0 : access == kProtectedSection ? 1 : 2;
}

// A declaration directly in the innermost body, not in its header.
bool InBody(const FileState& P) {
  return P.class_flag && P.cls.scope == 1 && !P.class_header_pending &&
         !P.static_block_flag;
}

// With KLVCLASSMF set, each counted member: its line from the first
// character that is not a blank, ending in a line feed.
void ShowMember(bool method, int slot, const char* line, Globals& G) {
  static const char* const kLabels[2][3] = {
      {"  Class Data Public     : ", "  Class Data Protected  : ",
       "  Class Data Private    : "},
      {"  Class Method Public   : ", "  Class Method Protected: ",
       "  Class Method Private  : "}};
  std::string text = Ltrim(line);
  if (text.empty() || text.back() != '\n') text += '\n';
  Out(G, "%s%-3d | %s", kLabels[method ? 1 : 0][slot], G.metrics.lines,
      text.c_str());
}

// The last code character before index i of the line, or '\0'.
char CodeBefore(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  return k >= 0 ? line[k] : '\0';
}

// The '(' at index i follows a Java annotation's name ('@Retention(').
bool AfterAnnotation(const char* line, int i) {
  int k = i - 1;
  while (k >= 0 && IsBlankOrTab(line[k])) --k;
  while (k >= 0 && (IsNameChar(line[k]) || line[k] == '.')) --k;
  return k >= 0 && line[k] == '@';
}

// The name that ends before index `pos` ('friend class ns::B;').
std::string NameBefore(const char* line, int pos) {
  int end = pos;
  while (end > 0 && IsBlankOrTab(line[end - 1])) --end;
  int start = end;
  while (start > 0 &&
         (IsNameChar(line[start - 1]) || strchr(":<>.~", line[start - 1]))) {
    --start;
  }
  return std::string(line + start, static_cast<size_t>(end - start));
}

}  // namespace

void ResetMember(FileState& P) {
  P.method_pending = 0;
  P.method_counted = 0;
  P.declarator_commas = 0;
  P.decl_assigned = 0;
  P.decl_virtual = 0;
  P.member_body_closed = 0;
  P.pointer_marker = 0;
  // A Java member's modifier is its own: the next member starts in the
  // class's default section.
  if (P.java_file && P.class_flag) P.cls.access = P.cls.default_access;
}

void ClassMethod(const char* line, Globals& G) {
  FileState& P = G.parse;
  if (!InBody(P) || P.method_counted || P.friend_flag) return;
  const int slot = Slot(P.cls.access);
  Bump(P.cls.methods[slot], 1);
  P.method_counted = 1;
  if (G.class_debug_flag) ShowMember(true, slot, line, G);
}

void ClassAttribute(const char* line, Globals& G) {
  FileState& P = G.parse;
  if (!InBody(P)) return;
  const int slot = Slot(P.cls.access);
  Bump(P.cls.attributes[slot], int64_t{P.declarator_commas} + 1);
  if (G.class_debug_flag) ShowMember(false, slot, line, G);
  // An interface's fields are constants, not data.
  const int not_class = P.cls.is_struct || P.cls.is_interface;
  if (slot == 0) EmitClassPublicDataNotice(not_class, G);
  if (slot == 1) EmitClassProtectedDataNotice(not_class, G);
  if (P.pointer_marker) EmitClassPointerNotice(not_class, G);
}

void ClassAccessSection(AccessSection section, FileState& P) {
  if (InBody(P)) P.cls.access = section;
}

void ClassVirtualMethod(FileState& P) {
  if (!InBody(P)) return;
  P.cls.virtual_seen = 1;
  P.decl_virtual = 1;
}

void ClassTilde(FileState& P) {
  if (InBody(P) && P.decl_virtual) P.cls.virtual_destructor_seen = 1;
}

void FriendClassDeclared(const char* line, int pos, int line_number,
                         Globals& G) {
  EmitFriendClassNotice(line_number, NameBefore(line, pos), G);
}

void ClassOpenParen(const char* line, int i, FileState& P) {
  if (!InBody(P) || P.local_paren != 1 || P.decl_assigned ||
      P.method_pending) {
    return;
  }
  // 'std::function<void(int)> f;' is data; 'bool operator<(X)' a method.
  if (P.angle_depth > 0) {
    const char* op = strstr(line, "operator");
    if (op == nullptr || op - line > i) return;
  }
  if (P.java_file && AfterAnnotation(line, i)) return;
  P.method_pending = 1;
}

void ClassComma(FileState& P) {
  if (InBody(P) && P.local_paren == 0 && P.angle_depth <= 0 &&
      !P.method_pending) {
    ++P.declarator_commas;
  }
}

void ClassAssignment(FileState& P) {
  // 'struct foo x =': the keyword named a variable's type.
  if (P.class_header_pending && P.local_paren <= P.header_paren) {
    ClassHeaderCancel(P);
  }
  if (InBody(P)) P.decl_assigned = 1;
}

void ClassDeclarationEnd(const char* line, int i, Globals& G) {
  FileState& P = G.parse;
  if (P.class_header_pending && P.local_paren <= P.header_paren) {
    ClassHeaderCancel(P);
  }
  const bool declared_ahead = P.class_declaration != 0;
  P.class_declaration = 0;
  if (!InBody(P) || P.local_paren > 0) return;
  if (P.method_pending) {
    ClassMethod(line, G);
  } else if (!P.method_counted && !declared_ahead && !P.friend_flag &&
             !P.typedef_flag && !P.using_flag && P.enum_state == 0) {
    // '};' after a body (a method's, a nested class's) ends no data member.
    const char before = CodeBefore(line, i);
    if (!(P.member_body_closed && (before == '}' || before == '\0'))) {
      ClassAttribute(line, G);
    }
  }
  ResetMember(P);
}
