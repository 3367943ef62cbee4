// Which names the project lists show.
#ifndef KLV_REPORTS_NAME_START_H_
#define KLV_REPORTS_NAME_START_H_

#include <cctype>
#include <string_view>

// Names of real functions and classes start like identifiers (or a
// destructor); anything else is debris of unusual source and is not listed.
inline bool StartsLikeName(std::string_view name) {
  if (name.empty()) return false;
  const unsigned char c = static_cast<unsigned char>(name[0]);
  return isalpha(c) != 0 || c == '_' || c == '~';
}

#endif  // KLV_REPORTS_NAME_START_H_
