// The Java generic wildcard: a '?' that stands for a type argument
// (List<?>, Map<String, ? extends V>) is no conditional operator.
#ifndef KLV_ANALYSIS_GENERIC_WILDCARD_H_
#define KLV_ANALYSIS_GENERIC_WILDCARD_H_

// The '?' at index i is a type argument: '<' or ',' stands before it and
// '>', ',', '&' or the word "extends" or "super" after it (blanks, TABs
// and comments between them are passed over).
bool IsGenericWildcard(const char* line, int i);

#endif  // KLV_ANALYSIS_GENERIC_WILDCARD_H_
