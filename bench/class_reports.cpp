// Times the class and interface reports over a large run's worth of class
// records, filled the way the class recogniser fills them: the project
// class/struct list and the interface list with their statistics by each
// sort key, in text, HTML and CSV. One class in eight is nested, one in
// five a struct, one in ten has a template header and one in three a base
// list; a quarter of the classes belong to one of a thousand namespaces,
// so the statistics also hand them over. The report goes to /dev/null.
// Each figure is the processor time of the call, the best of three.
//
//   class_reports [N]      (default 200000 classes, N/10 interfaces)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "base/globals.h"
#include "lists/add_node.h"
#include "reports/sort_method.h"
#include "reports/class_reports.h"

namespace {

NodeData Record(std::mt19937& rng, int line) {
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
  NodeData r;
  const int len = pick(4, 24);
  for (int c = 0; c < len; ++c) r.name += kChars[pick(0, 52)];
  if (pick(0, 3) == 0) {
    r.name = "Space" + std::to_string(pick(0, 1199)) + "::" + r.name;
  }
  if (pick(0, 9) == 0) r.sub_name = "template <class T, class U>";
  if (pick(0, 2) == 0) r.inheritance = "public Base<T>, protected Mixin";
  r.file = "src/module" + std::to_string(pick(0, 399)) + ".cpp";
  r.line = line;
  r.loc = pick(1, 600);
  r.eloc = pick(1, r.loc);
  r.lloc = pick(0, r.eloc);
  r.comments = pick(0, 80);
  r.blanks = pick(0, 40);
  r.lines = r.loc + r.comments + r.blanks;
  r.params = pick(0, 30);
  r.returns = pick(0, 20);
  r.cyclo = pick(0, 80);
  r.ratio = static_cast<float>(pick(0, 25));
  r.public_methods = pick(0, 15);
  r.protected_methods = pick(0, 4);
  r.private_methods = pick(0, 8);
  r.public_attributes = pick(0, 3);
  r.protected_attributes = pick(0, 3);
  r.private_attributes = pick(0, 10);
  r.nested = pick(0, 7) == 0 ? 1 : 0;
  r.is_struct = pick(0, 4) == 0 ? 1 : 0;
  return r;
}

void Fill(Globals& G, int n) {
  std::mt19937 rng(17);
  for (int k = 0; k < 1000; ++k) {
    NodeData space;
    space.name = "Space" + std::to_string(k);
    AddListNode(1, space, G.namespace_list);
  }
  for (int i = 0; i < n; ++i) AddListNode(0, Record(rng, i), G.class_list);
  for (int i = 0; i < n / 10; ++i) {
    NodeData r = Record(rng, i);
    r.name = "Interface-" + r.name;
    r.is_struct = 0;
    AddListNode(0, r, G.interface_list);
  }
  G.nested_seen = 1;
}

template <class F>
double Best(F f) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const std::clock_t start = std::clock();
    f();
    best = std::min(best, static_cast<double>(std::clock() - start) /
                              CLOCKS_PER_SEC);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::atoi(argv[1]) : 200000;
  if (n < 1) n = 1;
  Globals G;
  Init_Globals(G);
  G.output = std::fopen("/dev/null", "w");
  if (G.output == nullptr) return 1;
  G.object_flag = G.complexity_flag = 1;
  Fill(G, n);
  std::printf("%d class records, %d interface records\n\n", n, n / 10);
  std::printf("  %-36s %8s %8s %8s\n", "class + interface sections, key",
              "text", "HTML", "CSV");
  for (int key = 0; key <= 5; ++key) {
    G.sort_key = key;
    double t[3];
    for (int mode = 0; mode < 3; ++mode) {
      G.html_flag = mode == 1;
      G.csv_mode = G.automated_mode = mode == 2;
      t[mode] = Best([&G] {
        ShowProjectClassSummary(G);
        ShowProjectInterSummary(G);
      });
    }
    std::printf("  %d %-34s %8.3f %8.3f %8.3f\n", key, SortMethodTitle(key),
                t[0], t[1], t[2]);
  }
  std::fclose(G.output);
  G.output = stdout;
  return 0;
}
