#include "files/file_list.h"

#include <strings.h>

#include <cstring>
#include <vector>

#include "reports/output.h"

int valid_ext(const char* ext, const char* list, int case_blind, Globals& G) {
  if (ext == nullptr || list == nullptr) return 0;
  if (!G.validate_extensions) return 1;
  const char* p = list;
  while (*p != '\0') {
    while (*p == ' ' || *p == '\t' || *p == ',') ++p;
    const char* start = p;
    while (*p != '\0' && *p != ' ' && *p != '\t' && *p != ',') ++p;
    const size_t len = static_cast<size_t>(p - start);
    if (len == 0) continue;
    if (strlen(ext) == len && (case_blind ? strncasecmp(ext, start, len) == 0
                                          : strncmp(ext, start, len) == 0)) {
      return 1;
    }
  }
  return 0;
}

int BuildFileList(int first_operand, Globals& G) {
  std::vector<NameData> headers;
  std::vector<NameData> sources;
  for (int k = first_operand; k < G.arg_count; ++k) {
    const char* arg = G.arg_values[k];
    const char* dot = strrchr(arg, '.');
    if (dot == nullptr) continue;
    if (valid_ext(dot + 1, G.source_extensions.c_str(), G.case_sensitive_names,
                  G)) {
      const bool header = dot[1] == 'h' || dot[1] == 'H';
      (header ? headers : sources).push_back(NameData{arg, "", 0, 0});
    } else if (G.output_file_name != arg) {
      Out(G,
          "\n  Error: %s - Not a valid file type for KLV\n"
          "         Valid types: %s\n",
          arg, G.source_extensions.c_str());
    }
  }
  G.file_list = std::move(headers);
  G.file_list.insert(G.file_list.end(), sources.begin(), sources.end());
  return static_cast<int>(G.file_list.size());
}
