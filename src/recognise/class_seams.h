// Where function recognition hands over to class recognition: a function
// header cancels a pending class header, a method body opens inside a class
// definition, and a completed function adds its measures to its class.
#ifndef KLV_RECOGNISE_CLASS_SEAMS_H_
#define KLV_RECOGNISE_CLASS_SEAMS_H_

#include "base/globals.h"

// A '(' that may name a function: a class or struct header still waiting
// for its brace was a return type ('struct node *next_node(void)').
void ClassHeaderCancel(FileState& P);

// A method of the open class is declared (at its ';') or defined (at its
// body's brace) on `line`: counted once, in the current access section.
void ClassMethod(const char* line, Globals& G);

// Adds a completed function's measures to the class its name belongs to.
void Add_Func2Class(int loc, int eloc, int lloc, int comments, int blanks,
                    int lines, int cyclo, int params, int returns, Globals& G);

#endif  // KLV_RECOGNISE_CLASS_SEAMS_H_
