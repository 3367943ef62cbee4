// Building the class inheritance forest from the class list, and its
// report. The driver calls, after the last file, AddClasses2Tree, LoadTree
// and ReAlignBaseClasses in that order; ReportInheritanceTree then walks
// the forest.
#ifndef KLV_TREE_TREE_H_
#define KLV_TREE_TREE_H_

#include <memory>
#include <string>

#include "base/globals.h"
#include "tree/base_names.h"
#include "base/tree_node.h"

// Adds every class of G.class_list whose name starts above the blank: under
// each of its bases, or as a root when it has none. A second root of a
// name already in the forest is refused with an error line.
void AddClasses2Tree(Globals& G);

// Resolves `base` (base_names.h) and adds class `name` under it. Returns
// false for a base that names the class itself, which is left out.
bool AddInheritClass2Tree(const std::string& name, const std::string& base,
                          const std::string& file, int line, int parents,
                          const ClassNameIndex& index, InheritanceTree& tree);

// Links `node` (with any children it brings): without a parent name as a
// root, unless a node of its name is in the forest or the name ends in ':'
// or '.'; with one under the first node of the parent's name in the forest,
// then a copy under every node of that name in the lost-child list; when
// the parent is not in the forest, into the lost-child list unless a node
// of the same name and parent waits there. Returns true when linked.
bool AddTreeNodeByName(InheritanceTree& tree, std::unique_ptr<TreeNode> node);

// Gives every node of the lost-child list (or below one) named like the
// parent of `node` a copy of `node` with its subtree, unless it already
// has a child of that name.
void AddNodeToAllParents(InheritanceTree& tree, const TreeNode& node);

// Moves the lost children whose parents are in the forest under them, in
// passes over the lost-child list; the rest get a root made for their
// missing parent (LoadLostChildParents), until the list is empty or holds
// only classes whose bases lead round in a cycle and can never be placed.
void LoadTree(InheritanceTree& tree);
// One round of roots for missing parents; false when nothing was linked.
bool LoadLostChildParents(InheritanceTree& tree);

// Merges each root into another node of its name elsewhere in the forest
// (a root made for a missing base that was found later): its children
// move below that node, one level deeper, and the root goes.
void ReAlignBaseClasses(InheritanceTree& tree);

// The three steps, on G.class_list into G.tree.
void BuildInheritanceTree(Globals& G);

// The inheritance tree section: legend, forest, totals and the lost
// children. With -Tp nothing is written but notices 40 and 41 are still
// raised. Nothing at all when the class list is empty.
void ReportInheritanceTree(Globals& G);

// The distinct class names of the forest: all of them, and those below a
// root (derived classes).
struct TreeNameCounts {
  int total = 0;
  int derived = 0;
};
TreeNameCounts UniqueClassesInTree(const InheritanceTree& tree);

#endif  // KLV_TREE_TREE_H_
