// Seams where keyword recognition hands a construct over to the class and
// function recognisers. Keyword recognition decides that a construct is
// there and sets the state it owns; what the construct does to classes and
// functions happens behind these hooks.
#ifndef KLV_RECOGNISE_KEYWORD_HOOKS_H_
#define KLV_RECOGNISE_KEYWORD_HOOKS_H_

#include "base/globals.h"

// Access sections switched by "private", "protected" and "public".
enum AccessSection { kPrivateSection = 1, kProtectedSection, kPublicSection };

// Reads the name that follows a class, struct or interface keyword, from
// `pos` of `line`.
void GetClassname(const char* line, int pos, Globals& G);
// Java "extends" at index i of a class header: the base list starts.
void ClassBaseList(const char* line, int i, FileWork& G);
// Counts a data member declaration of the open class: its declarators.
void ClassAttribute(const char* line, Globals& G);
// The access section of the open class changes.
void ClassAccessSection(AccessSection section, FileState& P);
// A virtual method is declared in the open class.
void ClassVirtualMethod(FileState& P);
// A Java static initialiser block opens; `brace_balance` is the file's
// '{' count minus its '}' count before its brace.
void StaticBlockBegin(int brace_balance, FunctionState& P);
// A friend class declaration ends at the ';' at index `pos`.
void FriendClassDeclared(const char* line, int pos, int line_number,
                         Globals& G);

// The function being declared is inline.
void FunctionInlineMarker(FunctionState& P);
// A template header was read (its text is in `template_header`): the
// function or class that follows is a template.
void FunctionTemplateMarker(FileState& P);
// The word "void" at index `pos`: a parameter list may be just "void".
void FunctionVoidWord(const char* line, int pos, Globals& G);

#endif  // KLV_RECOGNISE_KEYWORD_HOOKS_H_
