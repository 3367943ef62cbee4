// The name record held by the run's simple lists: a name, a companion text
// and a number (the file list, macro names, recorded notices). A recorded
// notice also keeps its line.
#ifndef KLV_LISTS_NAME_DATA_H_
#define KLV_LISTS_NAME_DATA_H_

#include <string>

struct NameData {
  std::string name;
  std::string extra;
  int value = 0;
  int line = 0;
};

#endif  // KLV_LISTS_NAME_DATA_H_
