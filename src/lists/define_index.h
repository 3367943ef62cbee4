// The names each file of a run defines (#define names, namespace and
// package names), found by a quick scan before a parallel run analyses the
// files: for each name, the first file that defines it. A file analysed
// apart asks it whether a name was defined before its own turn.
#ifndef KLV_LISTS_DEFINE_INDEX_H_
#define KLV_LISTS_DEFINE_INDEX_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class DefineIndex {
 public:
  // A name known before the first file (the macro file's names).
  void AddKnown(std::string_view name);
  // A name defined by file `file` (counted from 0); an earlier definition
  // stands. Files must be added in order.
  void AddDefined(std::string_view name, size_t file);
  // True when `name` is known, or defined by a file before `file`.
  bool DefinedBefore(std::string_view name, size_t file) const;

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const {
      return std::hash<std::string_view>{}(s);
    }
  };
  // The first file defining a name, plus one; 0 for a known name.
  std::unordered_map<std::string, size_t, Hash, std::equal_to<>> first_;
};

#endif  // KLV_LISTS_DEFINE_INDEX_H_
