// The detection routines of the quality notices: one per notice (two where
// a notice has two texts). Each applies the emission rule and, when the
// options ask for it, prints the notice's long text, plain or HTML.
//
// Routines that receive a measured value compare it with the configured
// limit themselves and do nothing within it. Routines raised by the line
// parser take the line number; the others report the current line
// (`lines` of the current file) unless they take a file and line.
#ifndef KLV_NOTICES_NOTICES_H_
#define KLV_NOTICES_NOTICES_H_

#include <string>

#include "base/globals.h"

// ---- Raised while a line is parsed.
void EmitLineLengthNotice(int line, int length, Globals& G);        // 1
void EmitEllipsisNotice(int line, Globals& G);                      // 3
void EmitIfAssignmentNotice(int line, Globals& G);                  // 4
void EmitWhileAssignmentNotice(int line, Globals& G);               // 5
// Notices 6 and 7 use their "within a MACRO" texts inside a function-like
// macro definition.
void EmitPreDecrementNotice(int line, Globals& G);                  // 6
void EmitPreIncrementNotice(int line, Globals& G);                  // 7
void EmitReallocNotice(int line, Globals& G);                       // 8
void EmitGotoNotice(int line, Globals& G);                          // 9
void EmitFriendClassNotice(int line, const std::string& class_name,
                           Globals& G);                             // 15
// Notice 22 for the control statement of kind `control_kind` (1 do,
// 2 else, 3 for, 4 if, 5 while) seen on `keyword_line`; nothing inside a
// function-like macro. Clearing the control record is the caller's.
void EmitScopeError(int keyword_line, int control_kind, Globals& G);  // 22
void EmitTernaryNotice(int line, Globals& G);                       // 23
// A C++ keyword found in a C file.
void CPP_Symbol(int line, const char* keyword, Globals& G);         // 24
void EmitVoidStarNotice(int line, Globals& G);                      // 26
// One notice for each of `tabs` TABs of the line.
void EmitTabNotice(int line, Globals& G, int tabs = 1);             // 30
void EmitUsingNamespace(int line, Globals& G);                      // 32
void EmitExceptionNotice(int line, Globals& G);                     // 38
void EmitContinueNotice(int line, Globals& G);                      // 43
// Nothing while a switch is open.
void EmitBreakNotice(int line, Globals& G);                         // 44

// ---- Raised at a function's closing brace, in the order 2, 10, 11, 12,
// 13, 14, 17, 16, 18, 27, 29, 28.
// `name` is the function name as recognised; its part after the last ':'
// (C++ files) or '.' (Java files) is measured and shown.
void EmitFunctionNameNotice(const std::string& name, Globals& G);  // 2
void EmitNonAnsiPrototypeNotice(Globals& G);                        // 10
void EmitBracketBalanceNotice(Globals& G);                          // 11
void EmitParenBalanceNotice(Globals& G);                            // 12
void EmitSwitchDefaultNotice(Globals& G);                           // 13
void EmitCaseBreakNotice(Globals& G);                               // 14
void EmitFunctionWhitespaceNotice(double percent, Globals& G);      // 16
void EmitFunctionCommentNotice(double percent, Globals& G);         // 17
void EmitFunctionElocNotice(int eloc, Globals& G);                  // 18
void Notice_Return_Limit(int count, Globals& G);                    // 27
void Notice_Logical_Limit(int complexity, Globals& G);              // 28
void Notice_Interface_Limit(int params, Globals& G);                // 29

// ---- Raised by class and struct handling. `kind` is "Class" or "Struct"
// for 16 and 31, "class" or "struct" for 33 and 39. The checks at a
// class's closing brace (16, 31, 37, 39) run only with -n and -o; notice
// 42 only with -n; 34 to 36 never for a struct.
void EmitClassWhitespaceNotice(const char* kind, double percent,
                               Globals& G);                         // 16
void EmitClassCommentNotice(const char* kind, double percent,
                            Globals& G);                            // 31
void EmitClassWithinFunction(const char* kind, Globals& G);         // 33
void EmitStructWithinFunction(Globals& G);                          // 33
void EmitClassPointerNotice(int is_struct, Globals& G);             // 34
void EmitClassPublicDataNotice(int is_struct, Globals& G);          // 35
void EmitClassProtectedDataNotice(int is_struct, Globals& G);       // 36
void EmitVirtualDestructorNotice(Globals& G);                       // 37
void EmitClassFunctionNotice(const char* kind, int methods,
                             Globals& G);                           // 39
void EmitMultipleInheritanceNotice(const std::string& class_name,
                                   Globals& G);                     // 42

// ---- Raised by the inheritance tree report for the class declared at
// `line` of `file`; the caller has compared depth and children.
void EmitInheritanceDepthNotice(const std::string& file, int line,
                                Globals& G);                        // 40
void EmitNumberOfChildrenNotice(const std::string& file, int line,
                                Globals& G);                        // 41

// ---- After the last line of a file.
void EmitFileCommentNotice(Globals& G);                             // 20
void EmitFileWhitespaceNotice(Globals& G);                          // 19
void EmitKeyStringNotice(Globals& G);                               // 21
// Notices 20, 19 and 21, in that order.
void EmitFileNotices(Globals& G);
// Outside totals-only mode, the unnumbered end-of-file notices: braces that
// do not balance, and a function body still open (whose header is then
// printed without metrics).
void Check_Hanging(Globals& G);

#endif  // KLV_NOTICES_NOTICES_H_
