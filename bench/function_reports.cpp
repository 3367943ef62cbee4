// Times the function reports over a large run's worth of function records,
// filled the way the function recogniser fills them: the project function
// list with its statistics by each sort key, in text, HTML and CSV, and
// the estimation analysis. A quarter of the functions belong to one of a
// thousand namespaces, so the statistics also attribute them. The report
// goes to /dev/null. Each figure is the processor time of the call, the
// best of three (wall time would show the load of a shared machine).
//
//   function_reports [N]      (default 200000)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "base/globals.h"
#include "lists/add_node.h"
#include "reports/sort_method.h"
#include "reports/estimation.h"
#include "reports/function_reports.h"

namespace {

void Fill(Globals& G, int n) {
  std::mt19937 rng(11);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
  for (int k = 0; k < 1000; ++k) {
    NodeData space;
    space.name = "Space" + std::to_string(k);
    AddListNode(1, space, G.namespace_list);
  }
  for (int i = 0; i < n; ++i) {
    NodeData r;
    const int len = pick(4, 24);
    for (int c = 0; c < len; ++c) r.name += kChars[pick(0, 52)];
    if (pick(0, 3) == 0) {
      r.name = "Space" + std::to_string(pick(0, 1199)) + "::" + r.name;
    }
    if (pick(0, 19) == 0) r.sub_name = "template <class T>";
    r.file = "src/module" + std::to_string(pick(0, 399)) + ".c";
    r.line = i;
    r.loc = pick(1, 300);
    r.eloc = pick(1, r.loc);
    r.lloc = pick(0, r.eloc);
    r.comments = pick(0, 40);
    r.blanks = pick(0, 20);
    r.lines = r.loc + r.comments + r.blanks;
    r.params = pick(0, 6);
    r.returns = pick(1, 4);
    r.cyclo = pick(1, 40);
    AddListNode(0, r, G.function_list);
  }
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
  G.function_flag = G.complexity_flag = 1;
  Fill(G, n);
  std::printf("%d function records\n\n", n);
  std::printf("  %-36s %8s %8s %8s\n", "project function summary, key",
              "text", "HTML", "CSV");
  for (int key = 0; key <= 5; ++key) {
    G.sort_key = key;
    double t[3];
    for (int mode = 0; mode < 3; ++mode) {
      G.html_flag = mode == 1;
      G.csv_mode = G.automated_mode = mode == 2;
      t[mode] = Best([&G] { ShowProjectFunctionSummary(G); });
    }
    std::printf("  %d %-34s %8.3f %8.3f %8.3f\n", key, SortMethodTitle(key),
                t[0], t[1], t[2]);
  }
  G.html_flag = G.csv_mode = G.automated_mode = 0;
  std::printf("\n  estimation analysis %25.3f\n",
              Best([&G] { ShowEstimation(G); }));
  std::fclose(G.output);
  G.output = stdout;
  return 0;
}
