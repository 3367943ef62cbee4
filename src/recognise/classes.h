// Class, struct and interface recognition. A class keyword opens a header
// (its name and base list are read up to its opening brace); the brace
// opens a class body whose members are counted by access section; the
// matching closing brace measures it, updates its record in the class or
// interface list and writes its report lines. Class bodies nest up to 32
// deep. The keyword hooks (recognise/keyword_hooks.h) and the function
// seams (recognise/class_seams.h) are the other entry points.
#ifndef KLV_RECOGNISE_CLASSES_H_
#define KLV_RECOGNISE_CLASSES_H_

#include <string>

#include "base/globals.h"

// The deepest nesting of class bodies.
constexpr int kMaxNestedClasses = 32;

// ---- Base lists.

// A base list as the reports show it: the Java "implements" clause dropped,
// the words public, protected, private, virtual and extends removed, blanks,
// line ends, braces and ';' removed; at most 4,095 characters.
std::string FormatInheritline(const std::string& text, const LineParserState& P);
// 1 plus the commas outside '<...>' and '(...)'; 0 for an empty list.
int CountParents(const std::string& text);
// 1 when the formatted base list names more than one base.
int CheckMultipleInheritance(const std::string& text);

// ---- Nesting.

// Saves the open class body before a nested one opens; returns the new
// depth. Beyond 32 levels the run ends with status -1.
int PushNestedClass(Globals& G);
// Restores the enclosing class body; returns the new depth.
int PopNestedClass(Globals& G);

// ---- Measures and records.

// Adds the closing class body's line measures and member counts to its
// record.
void Add_Class2Class(int loc, int eloc, int lloc, int comments, int blanks,
                     int lines, ClassState& P);

// ---- Header lines of the per-file class report.

void ClassBegin(Globals& G);
void ClassEnd(Globals& G);
void EmitClass(Globals& G);
// The base list line (with -o), and notice 42 for more than one base.
void EmitInheritanceLine(Globals& G);

// ---- Events of the line parser, in scope.cpp's order.

// Start of a line: a name or base list going on from the line before.
void ClassLineStart(const char* line, Globals& G);
// True when the '(' or ')' at index i belongs to a header decoration
// ('alignas(8)') or to template arguments in a header, and names no
// function.
bool ClassDecorationParen(int i, const FileWork& G);
void ClassOpenParen(const char* line, int i, FileState& P);
void ClassCloseParen(FileState& P);
void ClassOpenBrace(const char* line, int i, Globals& G);
void ClassCloseBrace(const char* line, int i, Globals& G);
// A ';', before the line parser clears the flags of the statement.
void ClassDeclarationEnd(const char* line, int i, Globals& G);
void ClassAssignment(FileState& P);
void ClassComma(FileState& P);
void ClassColon(const char* line, int i, FileState& P);
void ClassTilde(FileState& P);

// Requires: the file's last line was parsed. Closes the class bodies
// still open, as if their braces closed on the last line.
void ClassEndOfFile(Globals& G);

// ---- Shared by the class files.

// "Class", "Struct" or "Interface" for the open class body, with
// "Nested " before it when it is nested.
std::string ClassKindTitle(const ClassState& P);
// Forgets the member declaration being read; in Java the access goes back
// to the class's default.
void ResetMember(FileState& P);

#endif  // KLV_RECOGNISE_CLASSES_H_
