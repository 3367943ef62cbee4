// Times the ordered lists with a large run's worth of function records:
// adding N records by each sort key (until the first read of the list,
// which places records held back), and re-sorting a list of N records by
// each key. The records are made beforehand, so the figures are the list's
// own work; key 0 (appending) is the baseline. For scale, the classic
// walk-from-the-head insertion is timed on a tenth of N. Names are random,
// sizes small numbers, so ties are common. Each figure is the best of three.
//
//   sort_lists [N]      (default 200000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "lists/compare.h"
#include "lists/llist.h"
#include "lists/resort.h"
#include "reports/sort_method.h"

namespace {

using Clock = std::chrono::steady_clock;
using Records = std::vector<std::unique_ptr<NodeData>>;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::vector<NodeData> MakeRecords(int n) {
  std::mt19937 rng(7);
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
  std::vector<NodeData> recs(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    NodeData& r = recs[static_cast<size_t>(i)];
    int len = pick(4, 24);
    for (int c = 0; c < len; ++c) r.name += kChars[pick(0, 52)];
    // A quarter are members of a thousand classes: long shared prefixes.
    if (pick(0, 3) == 0) {
      r.name = "Class" + std::to_string(pick(0, 999)) + "::" + r.name;
    }
    r.file = "src/module" + std::to_string(pick(0, 199)) + ".cpp";
    r.line = i;
    r.loc = pick(1, 300);
    r.eloc = pick(1, r.loc);
    r.lloc = pick(0, r.eloc);
    r.cyclo = pick(1, 40);
    r.returns = pick(1, 4);
  }
  return recs;
}

Records Copies(const std::vector<NodeData>& recs) {
  Records out;
  out.reserve(recs.size());
  for (const NodeData& r : recs) out.push_back(std::make_unique<NodeData>(r));
  return out;
}

// Adds all records by `key` and reads the list once; returns the seconds.
double AddSeconds(const std::vector<NodeData>& recs, int key, bool* ok) {
  Records copies = Copies(recs);
  Llist<NodeData> list;
  auto start = Clock::now();
  for (auto& r : copies) LlistAdd(list, std::move(r), NodeOrderForKey(key));
  list.begin();
  double s = Seconds(start);
  if (key > 0) {
    const NodeData* prev = nullptr;
    for (const NodeData& r : list) {
      if (prev != nullptr && NodeOrderForKey(key)->compare(r, *prev) < 0 &&
          key != 1) {
        *ok = false;
      }
      if (prev != nullptr && key == 1 && CompName_NodeType(*prev, r) > 0) {
        *ok = false;
      }
      prev = &r;
    }
  }
  return s;
}

// Re-sorts a list of all records, added in their order, by `key`.
double ResortSeconds(const std::vector<NodeData>& recs, int key) {
  Records copies = Copies(recs);
  Llist<NodeData> list;
  for (auto& r : copies) LlistAdd(list, std::move(r));
  auto start = Clock::now();
  LlistResort_NodeData(list, key);
  return Seconds(start);
}

// The classic insertion, for scale: walk from the head for every record.
double WalkSeconds(const std::vector<NodeData>& recs, int n, int key) {
  auto compare = NodeOrderForKey(key)->compare;
  std::vector<const NodeData*> list;
  auto start = Clock::now();
  for (int i = 0; i < n; ++i) {
    const NodeData& r = recs[static_cast<size_t>(i)];
    size_t at = 0;
    while (at < list.size() && compare(r, *list[at]) > 0) ++at;
    list.insert(list.begin() + static_cast<long>(at), &r);
  }
  return Seconds(start);
}

template <class F>
double Best(F f) {
  double best = f();
  for (int i = 0; i < 2; ++i) best = std::min(best, f());
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::atoi(argv[1]) : 200000;
  if (n < 1) n = 1;
  std::vector<NodeData> recs = MakeRecords(n);
  std::printf("%d function records\n\n", n);
  std::printf("  key  %-32s %12s %12s\n", "order", "add+read (s)",
              "re-sort (s)");
  bool ok = true;
  for (int key = 0; key <= 6; ++key) {
    double add = Best([&] { return AddSeconds(recs, key, &ok); });
    double resort = Best([&] { return ResortSeconds(recs, key); });
    std::printf("  %d    %-32s %12.3f %12.3f\n", key, SortMethodTitle(key), add,
                resort);
  }
  int walk_n = n / 10 > 0 ? n / 10 : 1;
  std::printf("\n  classic walk, %d records: by name %.3f s, by LOC %.3f s\n",
              walk_n, WalkSeconds(recs, walk_n, 1),
              WalkSeconds(recs, walk_n, 2));
  if (!ok) {
    std::printf("\n  ERROR: a list is out of order\n");
    return 1;
  }
  return 0;
}
