// Times building and reporting the inheritance forest over N hand-filled
// class records: a fifth each in deep chains (listed deepest first, so each
// class waits for its base), wide fan-outs under a few bases, diamonds,
// classes under bases that are never defined (one and two levels), and
// namespaced classes whose bases are found through their scope. The list
// is shuffled with a fixed seed. Each figure is the best of three
// (processor time); the report goes to /dev/null.
//
//   inheritance_tree [N]      (default 100000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "base/globals.h"
#include "lists/add_node.h"
#include "base/output.h"
#include "tree/tree.h"

namespace {

double Cpu() { return static_cast<double>(clock()) / CLOCKS_PER_SEC; }

std::vector<NodeData> MakeClasses(int n) {
  std::vector<NodeData> out;
  auto add = [&out](std::string name, std::string bases) {
    NodeData r;
    r.name = std::move(name);
    r.inheritance = std::move(bases);
    r.file = "gen.cpp";
    r.line = static_cast<int>(out.size()) + 1;
    r.parents = r.inheritance.empty() ? 0 : 1;
    for (char c : r.inheritance) r.parents += c == ',' ? 1 : 0;
    out.push_back(std::move(r));
  };
  const int part = n / 5;
  // Deep chains of 1000.
  for (int i = 0; i < part; ++i) {
    const int chain = i / 1000, level = i % 1000;
    const std::string name = "Chain" + std::to_string(chain) + "_" +
                             std::to_string(level);
    add(name, level == 0 ? "" : "Chain" + std::to_string(chain) + "_" +
                                    std::to_string(level - 1));
  }
  // Fan-outs under ten bases.
  for (int b = 0; b < 10; ++b) add("Wide" + std::to_string(b), "");
  for (int i = 0; i < part - 10; ++i) {
    add("Leaf" + std::to_string(i), "Wide" + std::to_string(i % 10));
  }
  // Diamonds.
  for (int i = 0; i + 4 <= part; i += 4) {
    const std::string k = std::to_string(i);
    add("DiaA" + k, "");
    add("DiaB" + k, "DiaA" + k);
    add("DiaC" + k, "DiaA" + k);
    add("DiaD" + k, "DiaB" + k + ",DiaC" + k);
  }
  // Missing bases, one and two levels.
  for (int i = 0; i + 2 <= part; i += 2) {
    const std::string k = std::to_string(i);
    add("Orphan" + k, "Missing" + std::to_string(i % 997));
    add("Grand" + k, "Orphan" + k);
  }
  // Namespaced classes with unqualified bases.
  for (int i = 0; i + 2 <= part; i += 2) {
    const std::string ns = "ns" + std::to_string(i % 500) + "::";
    add(ns + "Base" + std::to_string(i), "");
    add(ns + "Derived" + std::to_string(i), "Base" + std::to_string(i));
  }
  std::mt19937 rng(12345);
  std::shuffle(out.begin(), out.end(), rng);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int n = argc > 1 ? atoi(argv[1]) : 100000;
  const std::vector<NodeData> classes = MakeClasses(n);
  double build = 1e9, report = 1e9;
  size_t roots = 0, lost = 0;
  for (int run = 0; run < 3; ++run) {
    Globals G;
    Init_Globals(G);
    G.output = fopen("/dev/null", "w");
    for (const NodeData& r : classes) AddListNode(0, r, G.class_list);
    double t = Cpu();
    BuildInheritanceTree(G);
    build = std::min(build, Cpu() - t);
    roots = G.tree.roots.size();
    lost = G.tree.lost.size();
    t = Cpu();
    ReportInheritanceTree(G);
    FlushOutput();
    report = std::min(report, Cpu() - t);
    fclose(G.output);
    G.output = stdout;
  }
  printf("classes %zu  roots %zu  lost %zu\n", classes.size(), roots, lost);
  printf("build  %.3f s\nreport %.3f s\n", build, report);
  return 0;
}
