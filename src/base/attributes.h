// Attributes written before or inside a declaration's header: [[...]],
// alignas(...) and _Alignas(...). They name nothing and are passed over
// where a namespace, class or function name is read.
#ifndef KLV_BASE_ATTRIBUTES_H_
#define KLV_BASE_ATTRIBUTES_H_

// From `pos`, passes over blanks, TABs, /* */ comments and whole
// attributes closed on the line; returns the index of what follows them.
// An attribute not closed on the line is left where it starts.
int SkipAttributes(const char* line, int pos);

// The '(' at index i belongs to an attribute: it follows the word alignas
// or _Alignas, or it lies inside a [[ ]] that is open at i.
bool InAttribute(const char* line, int i);

#endif  // KLV_BASE_ATTRIBUTES_H_
