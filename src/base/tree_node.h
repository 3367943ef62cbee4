// The class inheritance forest built after the last file: every class is a
// node under each of its base classes, classes without a base are roots,
// and a class whose base is not (yet) in the forest waits in the lost-child
// list.
//
// Orders
// ------
// Roots and children lists are kept by name (byte collation), of two equal
// names the later added first; the lost-child list is kept by parent name
// the same way. A "forest search" for a name finds the first node of that
// name in a depth-first walk of the roots in list order; the forest keeps
// an index of its names, and among several nodes of one name the first in
// walk order is found by comparing their paths from the roots, so no search
// walks the forest.
#ifndef KLV_BASE_TREE_NODE_H_
#define KLV_BASE_TREE_NODE_H_

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TreeNode;

// The order of a node list: by name, or (the lost-child list) by parent
// name; ties by the order of addition, the later first.
struct TreeNodeOrder {
  using is_transparent = void;
  bool by_parent = false;
  bool operator()(const std::unique_ptr<TreeNode>& a,
                  const std::unique_ptr<TreeNode>& b) const;
  bool operator()(const std::unique_ptr<TreeNode>& a, const TreeNode* b) const;
  bool operator()(const TreeNode* a, const std::unique_ptr<TreeNode>& b) const;
};

using TreeList = std::set<std::unique_ptr<TreeNode>, TreeNodeOrder>;

// Where a node is: in the forest, in the lost-child list (or below a node
// there), or in neither (being moved).
enum class TreePlace { kNone, kForest, kLost };

struct TreeNode {
  std::string name;
  std::string parent_name;  // the base it hangs under; empty for a root
  std::string file;         // file of the class
  int32_t depth = 0;        // 0 for a root, the parent's depth + 1 below
  int32_t line = 0;         // the class's line; 0 for a created root
  int32_t parents = 0;      // the class's number of bases
  TreeList children{TreeNodeOrder{false}};

  // Kept by the forest: the node whose children hold this one (null for a
  // root or a lost node), the order of addition to its present list, and
  // where the node is.
  TreeNode* up = nullptr;
  uint64_t seq = 0;
  TreePlace place = TreePlace::kNone;
  // Positions in the name indexes below (for removal without a search).
  size_t name_slot = 0;
  size_t parent_slot = 0;
};

// The forest, the lost-child list and their indexes.
struct InheritanceTree {
  TreeList roots{TreeNodeOrder{false}};
  TreeList lost{TreeNodeOrder{true}};
  uint64_t next_seq = 0;
  // Every node of the forest by name, and every node of the lost-child
  // list and below it by name, each in no particular order.
  std::unordered_map<std::string, std::vector<TreeNode*>> forest_names;
  std::unordered_map<std::string, std::vector<TreeNode*>> lost_names;
  // The lost-child list's entries by parent name.
  std::unordered_map<std::string, std::vector<TreeNode*>> lost_by_parent;

  InheritanceTree() = default;
  InheritanceTree(const InheritanceTree&) = delete;
  InheritanceTree& operator=(const InheritanceTree&) = delete;
  // Moving hands the nodes over; the target's own nodes are released.
  InheritanceTree(InheritanceTree&& other) noexcept;
  InheritanceTree& operator=(InheritanceTree&& other) noexcept;
  ~InheritanceTree();
};

// A new node with no children.
std::unique_ptr<TreeNode> MakeTreeNode(std::string_view name,
                                       std::string_view parent_name,
                                       std::string_view file, int line,
                                       int parents);

// The first node named `name` in a depth-first walk of the forest; null
// when there is none.
TreeNode* TreeSearch(InheritanceTree& tree, const std::string& name);

// Of `nodes` (all in the forest), the first in a depth-first walk; null
// for none.
TreeNode* FirstInWalk(const std::vector<TreeNode*>& nodes);

// Sets the depth of every node below `node`: each level one deeper than
// the one above.
void AdjustDepth(TreeNode& node);

// True when `node` lies below `ancestor`.
bool IsBelow(const TreeNode* node, const TreeNode* ancestor);

// Releases the forest and the lost-child list.
void TreeDestroy(InheritanceTree& tree);

#endif  // KLV_BASE_TREE_NODE_H_
