// The run's list of namespace and package names, and the end of a C++
// namespace at its closing brace.
#ifndef KLV_RECOGNISE_NAMESPACES_H_
#define KLV_RECOGNISE_NAMESPACES_H_

#include <string>

#include "base/globals.h"

// Adds a record (name, current file, line) for a namespace or package seen
// for the first time in the run. Returns true when it was new.
bool NamespaceListAdd(const std::string& name, int line, Globals& G);

// At a '}': the brace that leaves the open C++ namespace's scope at 0 or
// below ends the namespace.
void NamespaceCloseBrace(Globals& G);

#endif  // KLV_RECOGNISE_NAMESPACES_H_
