// Reading the base classes of a class record and finding the class a base
// name refers to.
#ifndef KLV_TREE_BASE_NAMES_H_
#define KLV_TREE_BASE_NAMES_H_

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lists/llist.h"
#include "lists/node_data.h"

// The base names of an inheritance text, split at the commas that lie
// outside '<...>' (a template argument list stays whole). Empty pieces are
// dropped.
std::vector<std::string> SplitBases(std::string_view inheritance);

// The scope of a class name: the text up to and including its last ':' or
// '.' outside a template argument list; empty when it has none.
std::string_view ClassScope(std::string_view name);

// The class names of a class list, indexed so that a qualified name is
// found without walking the list. A name matches a key when it equals the
// key, or ends with the key and the key begins with a scope separator or
// follows one ("N::A" matches "N::A", "M::N::A" and, for "::A", both; not
// "N::AB" nor "XN::A").
class ClassNameIndex {
 public:
  // The list must outlive the index and stay unchanged while it is used.
  explicit ClassNameIndex(const Llist<NodeData>& classes);

  // The name of the class a key refers to: the first record named exactly
  // `key`, else the first record in list order that matches it; records
  // named `self` are passed over. Null when there is none.
  const std::string* Find(std::string_view key, std::string_view self) const;

 private:
  // The first two records, in list order and with different names, that
  // match a key.
  struct Hits {
    const std::string* first = nullptr;
    const std::string* second = nullptr;
  };
  std::unordered_map<std::string_view, Hits> exact_;
  std::unordered_map<std::string_view, Hits> suffix_;
};

// Resolves a base name of class `name`: a base containing ':' or '.' is
// taken as written; otherwise scope + base, then "::" + base, is looked up
// in the index, and the base is taken as written when neither is found.
std::string ResolveBaseName(const std::string& name, const std::string& base,
                            const ClassNameIndex& index);

#endif  // KLV_TREE_BASE_NAMES_H_
