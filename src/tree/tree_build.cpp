#include <algorithm>
#include <limits>
#include <set>
#include <unordered_set>

#include "base/error_block.h"
#include "base/output.h"
#include "tree/tree.h"

namespace {

using NameIndex = std::unordered_map<std::string, std::vector<TreeNode*>>;

// A node's place in the index of its name (forest or lost) and in that of
// its parent name (lost-child list entries), so that removal takes no walk.
size_t& SlotIn(InheritanceTree& tree, const NameIndex& index, TreeNode* node) {
  return &index == &tree.lost_by_parent ? node->parent_slot : node->name_slot;
}

void IndexAdd(InheritanceTree& tree, NameIndex& index, const std::string& key,
              TreeNode* node) {
  std::vector<TreeNode*>& nodes = index[key];
  SlotIn(tree, index, node) = nodes.size();
  nodes.push_back(node);
}

void IndexRemove(InheritanceTree& tree, NameIndex& index,
                 const std::string& key, TreeNode* node) {
  auto it = index.find(key);
  if (it == index.end()) return;
  std::vector<TreeNode*>& nodes = it->second;
  const size_t slot = SlotIn(tree, index, node);
  if (slot >= nodes.size() || nodes[slot] != node) return;
  nodes[slot] = nodes.back();
  SlotIn(tree, index, nodes[slot]) = slot;
  nodes.pop_back();
  if (nodes.empty()) index.erase(it);
}

// Calls `visit` for `node` and every node below it.
template <class Visit>
void ForSubtree(TreeNode* node, Visit visit) {
  std::vector<TreeNode*> stack{node};
  while (!stack.empty()) {
    TreeNode* n = stack.back();
    stack.pop_back();
    visit(n);
    for (const auto& child : n->children) stack.push_back(child.get());
  }
}

// Puts `node` into `list` below `up` (null for the roots or the lost-child
// list) as the latest addition.
TreeNode* Insert(InheritanceTree& tree, TreeList& list,
                 std::unique_ptr<TreeNode> node, TreeNode* up) {
  node->seq = ++tree.next_seq;
  node->up = up;
  TreeNode* raw = node.get();
  list.insert(std::move(node));
  return raw;
}

// Takes `node` out of `list`.
std::unique_ptr<TreeNode> Extract(TreeList& list, TreeNode* node) {
  auto it = list.find(node);
  std::unique_ptr<TreeNode> owned = std::move(list.extract(it).value());
  owned->up = nullptr;
  return owned;
}

// Records `node` and its subtree as part of the forest; `names`, when
// given, receives the names that entered.
void EnterForest(InheritanceTree& tree, TreeNode* node,
                 std::vector<const std::string*>* names = nullptr) {
  ForSubtree(node, [&](TreeNode* n) {
    n->place = TreePlace::kForest;
    IndexAdd(tree, tree.forest_names, n->name, n);
    if (names != nullptr) names->push_back(&n->name);
  });
}

void LeaveForest(InheritanceTree& tree, TreeNode* node) {
  ForSubtree(node, [&](TreeNode* n) {
    n->place = TreePlace::kNone;
    IndexRemove(tree, tree.forest_names, n->name, n);
  });
}

// Records a node of the lost-child list (`top`) or one below such a node.
void EnterLost(InheritanceTree& tree, TreeNode* node, bool top) {
  ForSubtree(node, [&](TreeNode* n) {
    n->place = TreePlace::kLost;
    IndexAdd(tree, tree.lost_names, n->name, n);
  });
  if (top) IndexAdd(tree, tree.lost_by_parent, node->parent_name, node);
}

// Takes an entry out of the lost-child list and its indexes.
std::unique_ptr<TreeNode> TakeLost(InheritanceTree& tree, TreeNode* node) {
  IndexRemove(tree, tree.lost_by_parent, node->parent_name, node);
  ForSubtree(node, [&](TreeNode* n) {
    n->place = TreePlace::kNone;
    IndexRemove(tree, tree.lost_names, n->name, n);
  });
  return Extract(tree.lost, node);
}

bool HasChildNamed(const TreeNode& node, const std::string& name) {
  TreeNode probe;
  probe.name = name;
  probe.seq = std::numeric_limits<uint64_t>::max();
  auto it = node.children.lower_bound(&probe);
  return it != node.children.end() && (*it)->name == name;
}

// A copy of `node` and its subtree, depths as stored.
std::unique_ptr<TreeNode> CopySubtree(const TreeNode& node,
                                      InheritanceTree& tree) {
  auto copy_of = [](const TreeNode& n) {
    auto c = MakeTreeNode(n.name, n.parent_name, n.file, n.line, n.parents);
    c->depth = n.depth;
    return c;
  };
  std::unique_ptr<TreeNode> top = copy_of(node);
  std::vector<std::pair<const TreeNode*, TreeNode*>> stack{{&node, top.get()}};
  while (!stack.empty()) {
    auto [from, to] = stack.back();
    stack.pop_back();
    for (const auto& child : from->children) {
      TreeNode* made = Insert(tree, to->children, copy_of(*child), to);
      stack.push_back({child.get(), made});
    }
  }
  return top;
}

// Links `node` below `parent`, one level deeper.
TreeNode* LinkBelow(InheritanceTree& tree, TreeNode* parent,
                    std::unique_ptr<TreeNode> node,
                    std::vector<const std::string*>* names = nullptr) {
  node->depth = parent->depth + 1;
  AdjustDepth(*node);
  TreeNode* raw = Insert(tree, parent->children, std::move(node), parent);
  EnterForest(tree, raw, names);
  return raw;
}

// True when `node` ends in a scope separator: such a name is no class.
bool EndsInSeparator(const std::string& name) {
  return !name.empty() && (name.back() == ':' || name.back() == '.');
}

// The first node named `name` in the forest other than `other`.
TreeNode* TreeSearchOther(InheritanceTree& tree, const std::string& name,
                          const TreeNode* other) {
  auto it = tree.forest_names.find(name);
  if (it == tree.forest_names.end()) return nullptr;
  std::vector<TreeNode*> rest;
  for (TreeNode* n : it->second) {
    if (n != other) rest.push_back(n);
  }
  return FirstInWalk(rest);
}

// The lost entries that can reach a root: whose parent is not the name of
// another lost entry, or is the name of one that can. The others wait on
// each other in a cycle of bases.
std::unordered_set<const TreeNode*> Placeable(InheritanceTree& tree) {
  std::unordered_set<const TreeNode*> placeable;
  std::unordered_map<std::string, std::vector<TreeNode*>> by_name;
  for (const auto& node : tree.lost) by_name[node->name].push_back(node.get());
  std::vector<TreeNode*> work;
  for (const auto& node : tree.lost) {
    if (by_name.count(node->parent_name) == 0) work.push_back(node.get());
  }
  std::unordered_set<std::string> reached;
  while (!work.empty()) {
    TreeNode* n = work.back();
    work.pop_back();
    if (!placeable.insert(n).second) continue;
    if (!reached.insert(n->name).second) continue;
    auto waiting = tree.lost_by_parent.find(n->name);
    if (waiting == tree.lost_by_parent.end()) continue;
    for (TreeNode* child : waiting->second) work.push_back(child);
  }
  return placeable;
}

}  // namespace

bool AddTreeNodeByName(InheritanceTree& tree, std::unique_ptr<TreeNode> node) {
  if (node == nullptr) return false;
  if (node->parent_name.empty()) {
    if (EndsInSeparator(node->name) || TreeSearch(tree, node->name) != nullptr) {
      return false;
    }
    node->depth = 0;
    AdjustDepth(*node);
    EnterForest(tree, Insert(tree, tree.roots, std::move(node), nullptr));
    return true;
  }
  TreeNode* parent = TreeSearch(tree, node->parent_name);
  if (parent != nullptr) {
    TreeNode* linked = LinkBelow(tree, parent, std::move(node));
    AddNodeToAllParents(tree, *linked);
    return true;
  }
  auto waiting = tree.lost_by_parent.find(node->parent_name);
  if (waiting != tree.lost_by_parent.end()) {
    for (const TreeNode* n : waiting->second) {
      if (n->name == node->name) return false;
    }
  }
  EnterLost(tree, Insert(tree, tree.lost, std::move(node), nullptr), true);
  return true;
}

void AddNodeToAllParents(InheritanceTree& tree, const TreeNode& node) {
  auto it = tree.lost_names.find(node.parent_name);
  if (it == tree.lost_names.end()) return;
  // Copies are named like `node`, not like its parent, so the entries to
  // visit do not change while copies are added.
  const std::vector<TreeNode*> entries = it->second;
  for (TreeNode* entry : entries) {
    if (HasChildNamed(*entry, node.name)) continue;
    TreeNode* copy =
        Insert(tree, entry->children, CopySubtree(node, tree), entry);
    EnterLost(tree, copy, false);
  }
}

bool AddInheritClass2Tree(const std::string& name, const std::string& base,
                          const std::string& file, int line, int parents,
                          const ClassNameIndex& index, InheritanceTree& tree) {
  const std::string resolved = ResolveBaseName(name, base, index);
  if (resolved == name) return false;
  AddTreeNodeByName(tree, MakeTreeNode(name, resolved, file, line, parents));
  return true;
}

void AddClasses2Tree(Globals& G) {
  const ClassNameIndex index(G.class_list);
  for (const NodeData& record : G.class_list) {
    const std::string& name = record.name;
    if (name.empty() || static_cast<unsigned char>(name[0]) <= ' ') continue;
    bool linked = false;
    if (!record.inheritance.empty() &&
        static_cast<unsigned char>(record.inheritance[0]) > ' ') {
      for (const std::string& base : SplitBases(record.inheritance)) {
        linked |= AddInheritClass2Tree(name, base, record.file, record.line,
                                       record.parents, index, G.tree);
      }
    }
    if (linked) continue;
    if (TreeSearch(G.tree, name) != nullptr) {
      OutError(G,
               {"Duplicate Root Node: " + name + " - Inheritance " +
                record.inheritance},
               {.blank_before = false});
      continue;
    }
    AddTreeNodeByName(G.tree, MakeTreeNode(name, "", record.file, record.line,
                                           record.parents));
  }
}

void LoadTree(InheritanceTree& tree) {
  // Passes over the lost-child list, in its order: an entry whose parent is
  // in the forest moves under it, and a name that enters the forest makes
  // the entries waiting for it ready, in this pass when they come later in
  // the list, in the next one otherwise.
  auto before = [](const TreeNode* a, const TreeNode* b) {
    const int c = a->parent_name.compare(b->parent_name);
    if (c != 0) return c < 0;
    return a->seq > b->seq;
  };
  for (;;) {
    std::set<TreeNode*, decltype(before)> ready(before);
    for (const auto& node : tree.lost) {
      if (TreeSearch(tree, node->parent_name) != nullptr) {
        ready.insert(node.get());
      }
    }
    while (!ready.empty()) {
      auto it = ready.begin();
      while (it != ready.end()) {
        TreeNode* entry = *it;
        TreeNode cursor;
        cursor.parent_name = entry->parent_name;
        cursor.seq = entry->seq;
        ready.erase(it);
        TreeNode* parent = TreeSearch(tree, entry->parent_name);
        std::vector<const std::string*> names;
        LinkBelow(tree, parent, TakeLost(tree, entry), &names);
        for (const std::string* name : names) {
          auto waiting = tree.lost_by_parent.find(*name);
          if (waiting == tree.lost_by_parent.end()) continue;
          for (TreeNode* w : waiting->second) ready.insert(w);
        }
        it = ready.upper_bound(&cursor);
      }
    }
    if (tree.lost.empty() || !LoadLostChildParents(tree)) return;
  }
}

bool LoadLostChildParents(InheritanceTree& tree) {
  const std::unordered_set<const TreeNode*> placeable = Placeable(tree);
  std::vector<TreeNode*> entries;
  for (const auto& node : tree.lost) {
    if (placeable.count(node.get()) != 0) entries.push_back(node.get());
  }
  bool linked = false;
  for (TreeNode* entry : entries) {
    if (TreeSearch(tree, entry->parent_name) == nullptr) {
      AddTreeNodeByName(tree, MakeTreeNode(entry->parent_name, "", entry->file,
                                           0, 0));
      // A parent name that cannot be a root leaves the entry waiting.
      if (TreeSearch(tree, entry->parent_name) == nullptr) continue;
    }
    AddTreeNodeByName(tree, TakeLost(tree, entry));
    linked = true;
  }
  return linked;
}

void ReAlignBaseClasses(InheritanceTree& tree) {
  std::vector<TreeNode*> roots;
  for (const auto& root : tree.roots) roots.push_back(root.get());
  for (TreeNode* root : roots) {
    TreeNode* other = TreeSearchOther(tree, root->name, root);
    // A node of the same name below the root itself is kept where it is.
    if (other == nullptr || IsBelow(other, root)) continue;
    while (!root->children.empty()) {
      TreeNode* child = root->children.begin()->get();
      LeaveForest(tree, child);
      std::unique_ptr<TreeNode> moved = Extract(root->children, child);
      if (HasChildNamed(*other, moved->name)) continue;
      LinkBelow(tree, other, std::move(moved));
    }
    LeaveForest(tree, root);
    Extract(tree.roots, root);
  }
}

void BuildInheritanceTree(Globals& G) {
  AddClasses2Tree(G);
  LoadTree(G.tree);
  ReAlignBaseClasses(G.tree);
}
