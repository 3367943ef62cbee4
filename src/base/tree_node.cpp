#include "base/tree_node.h"

#include <algorithm>

#include "lists/collate.h"

namespace {

// True when `a` goes before `b` in a list of the given order.
bool NodeBefore(const TreeNode& a, const TreeNode& b, bool by_parent) {
  const int c = by_parent ? CollateNames(a.parent_name, b.parent_name)
                          : CollateNames(a.name, b.name);
  if (c != 0) return c < 0;
  return a.seq > b.seq;
}

// The nodes from a root down to `node`.
std::vector<const TreeNode*> PathOf(const TreeNode* node) {
  std::vector<const TreeNode*> path;
  for (; node != nullptr; node = node->up) path.push_back(node);
  std::reverse(path.begin(), path.end());
  return path;
}

// True when `a` comes before `b` in a depth-first walk of the forest.
bool WalksBefore(const TreeNode* a, const TreeNode* b) {
  const std::vector<const TreeNode*> pa = PathOf(a);
  const std::vector<const TreeNode*> pb = PathOf(b);
  const size_t n = std::min(pa.size(), pb.size());
  for (size_t i = 0; i < n; ++i) {
    if (pa[i] != pb[i]) return NodeBefore(*pa[i], *pb[i], false);
  }
  return pa.size() < pb.size();
}

}  // namespace

bool TreeNodeOrder::operator()(const std::unique_ptr<TreeNode>& a,
                               const std::unique_ptr<TreeNode>& b) const {
  return NodeBefore(*a, *b, by_parent);
}

bool TreeNodeOrder::operator()(const std::unique_ptr<TreeNode>& a,
                               const TreeNode* b) const {
  return NodeBefore(*a, *b, by_parent);
}

bool TreeNodeOrder::operator()(const TreeNode* a,
                               const std::unique_ptr<TreeNode>& b) const {
  return NodeBefore(*a, *b, by_parent);
}

std::unique_ptr<TreeNode> MakeTreeNode(std::string_view name,
                                       std::string_view parent_name,
                                       std::string_view file, int line,
                                       int parents) {
  auto node = std::make_unique<TreeNode>();
  node->name = name;
  node->parent_name = parent_name;
  node->file = file;
  node->line = line;
  node->parents = parents;
  return node;
}

TreeNode* FirstInWalk(const std::vector<TreeNode*>& nodes) {
  if (nodes.empty()) return nullptr;
  TreeNode* first = nodes.front();
  for (TreeNode* node : nodes) {
    if (node != first && WalksBefore(node, first)) first = node;
  }
  return first;
}

TreeNode* TreeSearch(InheritanceTree& tree, const std::string& name) {
  auto it = tree.forest_names.find(name);
  if (it == tree.forest_names.end()) return nullptr;
  return FirstInWalk(it->second);
}

void AdjustDepth(TreeNode& node) {
  std::vector<TreeNode*> stack{&node};
  while (!stack.empty()) {
    TreeNode* n = stack.back();
    stack.pop_back();
    for (const auto& child : n->children) {
      child->depth = n->depth + 1;
      stack.push_back(child.get());
    }
  }
}

bool IsBelow(const TreeNode* node, const TreeNode* ancestor) {
  for (const TreeNode* n = node->up; n != nullptr; n = n->up) {
    if (n == ancestor) return true;
  }
  return false;
}

namespace {

// Releases a list without recursing once per level: a chain of a hundred
// thousand classes would otherwise exhaust the stack.
void ReleaseList(TreeList& list) {
  std::vector<std::unique_ptr<TreeNode>> pending;
  while (!list.empty()) {
    pending.push_back(std::move(list.extract(list.begin()).value()));
  }
  while (!pending.empty()) {
    std::unique_ptr<TreeNode> node = std::move(pending.back());
    pending.pop_back();
    while (!node->children.empty()) {
      pending.push_back(
          std::move(node->children.extract(node->children.begin()).value()));
    }
  }
}

}  // namespace

void TreeDestroy(InheritanceTree& tree) {
  ReleaseList(tree.roots);
  ReleaseList(tree.lost);
  tree.forest_names.clear();
  tree.lost_names.clear();
  tree.lost_by_parent.clear();
}

InheritanceTree::InheritanceTree(InheritanceTree&& other) noexcept {
  *this = std::move(other);
}

InheritanceTree& InheritanceTree::operator=(InheritanceTree&& other) noexcept {
  if (this == &other) return *this;
  TreeDestroy(*this);
  roots.swap(other.roots);
  lost.swap(other.lost);
  forest_names.swap(other.forest_names);
  lost_names.swap(other.lost_names);
  lost_by_parent.swap(other.lost_by_parent);
  next_seq = other.next_seq;
  return *this;
}

InheritanceTree::~InheritanceTree() { TreeDestroy(*this); }
