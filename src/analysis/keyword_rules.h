// The keyword rules that look further along the line than the word itself:
// class headers, enumerations, templates, static blocks, namespaces,
// packages, Java base lists and the "do" statement.
#ifndef KLV_ANALYSIS_KEYWORD_RULES_H_
#define KLV_ANALYSIS_KEYWORD_RULES_H_

#include "base/globals.h"

enum class ClassKeyword { kClass, kStruct, kInterface, kRecord };

// "class", "struct" or "interface" at index i: a class body opens, or
// the line is a declaration.
void ClassHeaderRule(const char* line, int i, ClassKeyword kind, Globals& G);
// "enum" ending at `end`: counts the enumeration when its body opens.
void EnumRule(const char* line, int end, FileWork& G);
// "template" at index i: counts the header and keeps its text.
void TemplateRule(const char* line, int i, FileWork& G);
// "static" ending at `end`: a static block when a '{' follows.
void StaticRule(const char* line, int end, FileWork& G);
// "namespace" at index i in a C++ file.
void NamespaceRule(const char* line, int i, int line_number, Globals& G);
// "package" at index i in a Java file.
void PackageRule(const char* line, int i, int line_number, Globals& G);
// "extends" at index i in a Java class header: the base list.
void BaseListRule(const char* line, int i, FileWork& G);
// "do" ending at `end`: its body must open with a brace.
void DoRule(const char* line, int end, int line_number, Globals& G);

// The template header of a line: cut after the '>' that balances the first
// '<', or at the line end.
std::string TemplateHeaderText(const char* line);

#endif  // KLV_ANALYSIS_KEYWORD_RULES_H_
