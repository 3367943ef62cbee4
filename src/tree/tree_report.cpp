#include <string>
#include <unordered_set>
#include <vector>

#include "notices/notices.h"
#include "base/output.h"
#include "tree/tree.h"

namespace {

// Figures gathered while the forest is walked.
struct TreeStats {
  int64_t depth_sum = 0;
  int max_depth = 0;
  int64_t child_sum = 0;
  int max_children = 0;
};

// The tree's banners put the colour outside the bold tag.
void TreeBanner(ReportSink& out, const RunSettings& G, const char* title) {
  Out(out, "\n  %s\n\n", Rule72('-').c_str());
  if (G.html_flag) Out(out, "<FONT COLOR=%s><B>", G.html_header_color.c_str());
  Center(out, title);
  if (G.html_flag) Out(out, "</B></FONT>");
}

std::string ShownName(const std::string& name, const RunSettings& G) {
  return G.html_flag ? HTML_template(name) : name;
}

// One node's line: a root as "+ name [Dd.Cc]", a derived class indented
// two blanks per level as "- name [Dd.Cc.Pp]".
void NodeLine(const TreeNode& node, ReportSink& out, const RunSettings& G) {
  const int children = static_cast<int>(node.children.size());
  const std::string name = ShownName(node.name, G);
  const char* open = G.csv_mode ? ", [" : " [";
  if (node.depth > 0) {
    const std::string indent(2 + 2 * static_cast<size_t>(node.depth), ' ');
    if (G.html_flag) {
      Out(out,
          "%s<B>-</B> %s%s<FONT COLOR=%s>D%d</FONT>.<FONT COLOR=%s>C%d</FONT>"
          ".P%d]<br>",
          indent.c_str(), name.c_str(), open, G.html_blue_color.c_str(),
          node.depth, G.html_green_color.c_str(), children, node.parents);
    } else {
      Out(out, "%s- %s%sD%d.C%d.P%d]\n", indent.c_str(), name.c_str(), open,
          node.depth, children, node.parents);
    }
    return;
  }
  if (G.html_flag) {
    Out(out,
        "\n  <B>+ <FONT COLOR=%s>%s</FONT></B>%s<FONT COLOR=%s>D%d</FONT>."
        "<FONT COLOR=%s>C%d</FONT>]<br>",
        G.html_red_color.c_str(), name.c_str(), open, G.html_blue_color.c_str(),
        node.depth, G.html_green_color.c_str(), children);
  } else {
    Out(out, "\n  + %s%sD%d.C%d]\n", name.c_str(), open, node.depth, children);
  }
}

// Shows `top` and everything below it in list order, counts them, and
// raises notices 40 and 41 for each node shown.
void TreeNodeShow(const TreeNode& top, TreeStats& stats, Globals& G) {
  std::vector<const TreeNode*> stack{&top};
  while (!stack.empty()) {
    const TreeNode& node = *stack.back();
    stack.pop_back();
    if (node.name.empty() || static_cast<unsigned char>(node.name[0]) <= ' ') {
      continue;
    }
    const int children = static_cast<int>(node.children.size());
    stats.depth_sum += node.depth;
    if (node.depth > stats.max_depth) stats.max_depth = node.depth;
    if (children > 0) {
      stats.child_sum += children;
      if (children > stats.max_children) stats.max_children = children;
    }
    if (!G.totals_profile) NodeLine(node, G, G);
    if (node.depth > G.max_inheritance_depth) {
      EmitInheritanceDepthNotice(node.file, node.line, G);
    }
    if (children > G.max_child_classes) {
      EmitNumberOfChildrenNotice(node.file, node.line, G);
    }
    for (auto it = node.children.rbegin(); it != node.children.rend(); ++it) {
      stack.push_back(it->get());
    }
  }
}

void LostChildNodeShow(const TreeNode& node, ReportSink& out,
                       const RunSettings& G) {
  Out(out,
      G.html_flag ? "  <B>Lost Child Node</B>: %s  Parent: %s\n"
                  : "  Lost Child Node: %s  Parent: %s\n",
      ShownName(node.name, G).c_str(), ShownName(node.parent_name, G).c_str());
}

void TreeTotals(const TreeNameCounts& counts, const TreeStats& stats,
                ReportSink& out, const RunSettings& G) {
  const int base = counts.total - counts.derived;
  const double total = counts.total;
  auto avg = [total](double sum) { return total > 0 ? sum / total : 0.0; };
  Out(out, "\n");
  Out(out, "%s %d\n", BoldLabel("  Total Classes        :", G).c_str(),
      counts.total);
  Out(out, "%s %d\n", BoldLabel("  Total Base Classes   :", G).c_str(), base);
  Out(out, "%s %d\n", BoldLabel("  Total Derived Classes:", G).c_str(),
      counts.derived);
  Out(out, "%s %-6.2f\n", BoldLabel("  Derived/Based Ratio  :", G).c_str(),
      base > 0 ? static_cast<double>(counts.derived) / base : 0.0);
  Out(out, "\n");
  Out(out, "%s %d\n", BoldLabel("  Maximum Depth of Inheritance:", G).c_str(),
      stats.max_depth);
  Out(out, "%s %-6.2f\n",
      BoldLabel("  Average Depth of Inheritance:", G).c_str(),
      avg(static_cast<double>(stats.depth_sum)));
  Out(out, "\n");
  Out(out, "%s %d\n",
      BoldLabel("  Maximum Number of Direct Child Classes:", G).c_str(),
      stats.max_children);
  Out(out, "%s %-6.2f\n",
      BoldLabel("  Average Number of Direct Child Classes:", G).c_str(),
      avg(static_cast<double>(stats.child_sum)));
}

}  // namespace

TreeNameCounts UniqueClassesInTree(const InheritanceTree& tree) {
  std::unordered_set<std::string> all;
  std::unordered_set<std::string> derived;
  std::vector<const TreeNode*> stack;
  for (const auto& root : tree.roots) {
    all.insert(root->name);
    for (const auto& child : root->children) stack.push_back(child.get());
  }
  while (!stack.empty()) {
    const TreeNode* node = stack.back();
    stack.pop_back();
    all.insert(node->name);
    derived.insert(node->name);
    for (const auto& child : node->children) stack.push_back(child.get());
  }
  return TreeNameCounts{static_cast<int>(all.size()),
                        static_cast<int>(derived.size())};
}

void ReportInheritanceTree(Globals& G) {
  if (G.class_list.empty()) return;
  const bool quiet = G.totals_profile != 0;
  if (!G.csv_mode && !quiet) TreeBanner(G, G, "~~ Class Inheritance Tree ~~");
  if (!quiet) {
    Out(G,
        "\n  D - Depth where base class depth = 0\n"
        "  C - Number of direct child classes\n"
        "  P - Number of direct parents, Multiple Inheritance > 1\n");
  }
  TreeStats stats;
  for (const auto& root : G.tree.roots) TreeNodeShow(*root, stats, G);
  if (!quiet) TreeTotals(UniqueClassesInTree(G.tree), stats, G, G);
  if (G.tree.lost.empty() || G.csv_mode || quiet) return;
  TreeBanner(G, G, "~~ Parents Not Found - Inheritance Tree ~~");
  Out(G, "\n");
  for (const auto& node : G.tree.lost) LostChildNodeShow(*node, G, G);
}
