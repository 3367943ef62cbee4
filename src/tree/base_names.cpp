#include "tree/base_names.h"

namespace {

bool IsSeparator(char c) { return c == ':' || c == '.'; }

}  // namespace

std::vector<std::string> SplitBases(std::string_view inheritance) {
  std::vector<std::string> bases;
  std::string piece;
  int angle = 0;
  for (char c : inheritance) {
    if (c == '<') ++angle;
    if (c == '>' && angle > 0) --angle;
    if (c == ',' && angle == 0) {
      if (!piece.empty()) bases.push_back(std::move(piece));
      piece.clear();
      continue;
    }
    piece += c;
  }
  if (!piece.empty()) bases.push_back(std::move(piece));
  return bases;
}

std::string_view ClassScope(std::string_view name) {
  const std::string_view head = name.substr(0, name.find('<'));
  const size_t last = head.find_last_of(":.");
  if (last == std::string_view::npos) return {};
  return name.substr(0, last + 1);
}

ClassNameIndex::ClassNameIndex(const Llist<NodeData>& classes) {
  auto note = [](std::unordered_map<std::string_view, Hits>& map,
                 std::string_view key, const std::string& name) {
    Hits& hits = map[key];
    if (hits.first == nullptr) {
      hits.first = &name;
    } else if (hits.second == nullptr && *hits.first != name) {
      hits.second = &name;
    }
  };
  for (const NodeData& record : classes) {
    const std::string& name = record.name;
    const std::string_view view(name);
    note(exact_, view, name);
    note(suffix_, view, name);
    for (size_t i = 0; i < view.size(); ++i) {
      if (!IsSeparator(view[i])) continue;
      // The key may begin at a run of separators or just after it.
      if (i == 0 || !IsSeparator(view[i - 1])) {
        note(suffix_, view.substr(i), name);
      }
      if (i + 1 < view.size() && !IsSeparator(view[i + 1])) {
        note(suffix_, view.substr(i + 1), name);
      }
    }
  }
}

const std::string* ClassNameIndex::Find(std::string_view key,
                                        std::string_view self) const {
  for (const auto* map : {&exact_, &suffix_}) {
    auto it = map->find(key);
    if (it == map->end()) continue;
    const Hits& hits = it->second;
    if (*hits.first != self) return hits.first;
    if (hits.second != nullptr) return hits.second;
  }
  return nullptr;
}

std::string ResolveBaseName(const std::string& name, const std::string& base,
                            const ClassNameIndex& index) {
  if (base.find_first_of(":.") != std::string::npos) return base;
  const std::string_view scope = ClassScope(name);
  if (!scope.empty()) {
    const std::string* hit = index.Find(std::string(scope) + base, name);
    if (hit != nullptr) return *hit;
  }
  const std::string* hit = index.Find("::" + base, name);
  return hit != nullptr ? *hit : base;
}
