#include "lists/define_index.h"

void DefineIndex::AddKnown(std::string_view name) {
  first_.insert_or_assign(std::string(name), size_t{0});
}

void DefineIndex::AddDefined(std::string_view name, size_t file) {
  if (first_.find(name) != first_.end()) return;
  first_.emplace(std::string(name), file + 1);
}

bool DefineIndex::DefinedBefore(std::string_view name, size_t file) const {
  const auto it = first_.find(name);
  return it != first_.end() && it->second <= file;
}
