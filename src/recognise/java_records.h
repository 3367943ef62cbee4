// Java records: 'record Point(int x, int y) implements I { ... }' is a
// class whose header components are its (private) attributes; its compact
// constructor 'Point { ... }' and its methods are methods.
#ifndef KLV_RECOGNISE_JAVA_RECORDS_H_
#define KLV_RECOGNISE_JAVA_RECORDS_H_

#include "base/globals.h"

// The word "record" ending at `end` of a Java line begins a record header:
// a name (with its type parameters) and the '(' of the components follow.
bool RecordHeaderFollows(const char* line, int end);

// The scope characters while a record header is read. Each returns true
// when the character belongs to the component list, which names no
// function and no member.
bool RecordOpenParen(const char* line, int i, FileState& P);
bool RecordCloseParen(FileState& P);
bool RecordComma(FileState& P);

// At a '{', before the class recogniser sees it: the compact constructor
// of the open record is marked as a method.
void RecordBeforeBrace(const char* line, int i, FileState& P);
// The body that class `c` opens: a record's components become
// its private attributes. Requires: the header was not yet cancelled.
void RecordBodyOpens(ClassLevel& c, const FileState& P);
// The class header ends (its body opened, or it was none).
void RecordHeaderEnds(FileState& P);

#endif  // KLV_RECOGNISE_JAVA_RECORDS_H_
