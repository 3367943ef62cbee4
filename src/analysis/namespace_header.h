// What follows the word "namespace": attributes are passed over; a nested
// definition 'namespace a::b {' (also 'a::inline b') names one namespace
// "a::b"; 'namespace fs = std::filesystem;' is an alias and opens nothing.
#ifndef KLV_ANALYSIS_NAMESPACE_HEADER_H_
#define KLV_ANALYSIS_NAMESPACE_HEADER_H_

#include <string>

struct NamespaceHeader {
  std::string name;    // the token read as the name ('' for none)
  bool named = false;  // the name starts with a letter, '_' or '~'
  bool alias = false;  // an '=' follows the name
};

// Reads the header from `pos`, the index after the word "namespace".
NamespaceHeader ReadNamespaceHeader(const char* line, int pos);

#endif  // KLV_ANALYSIS_NAMESPACE_HEADER_H_
