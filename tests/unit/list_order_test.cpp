// The order of a list against the classic algorithm: each test replays
// random additions, unique additions, re-sorts, removals, lookups and
// in-place changes on a list and on a plain vector that walks from the head
// for every insertion, and requires the same records in the same order.
// Values and names are drawn from small pools so that ties are everywhere.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "lists/add_node.h"
#include "lists/compare.h"
#include "lists/llist.h"
#include "lists/resort.h"

namespace {

template <class T>
using Routine = int (*)(const T&, const T&);

// The classic list operations, on a vector.
template <class T>
void WalkAdd(std::vector<T>& list, const T& rec, Routine<T> compare) {
  size_t i = 0;
  if (compare == nullptr) {
    i = list.size();
  } else {
    while (i < list.size() && compare(rec, list[i]) > 0) ++i;
  }
  list.insert(list.begin() + static_cast<long>(i), rec);
}

template <class T>
int WalkAddUnique(std::vector<T>& list, const T& rec, Routine<T> compare) {
  if (compare == nullptr) {
    if (!list.empty()) return 0;
    list.push_back(rec);
    return 1;
  }
  for (size_t i = 0; i < list.size(); ++i) {
    int answer = compare(rec, list[i]);
    if (answer == 0) return 0;
    if (answer < 0) {
      list.insert(list.begin() + static_cast<long>(i), rec);
      return 1;
    }
  }
  list.push_back(rec);
  return 1;
}

template <class T>
void WalkResort(std::vector<T>& list, Routine<T> compare) {
  std::vector<T> sorted;
  for (const T& rec : list) WalkAdd(sorted, rec, compare);
  list.swap(sorted);
}

template <class T>
const T* WalkFind(const std::vector<T>& list, const T& probe,
                  Routine<T> compare) {
  for (const T& rec : list) {
    if (compare(probe, rec) == 0) return &rec;
  }
  return nullptr;
}

Routine<NodeData> RoutineOfKey(int key) {
  const ListOrder<NodeData>* order = NodeOrderForKey(key);
  return order != nullptr ? order->compare : nullptr;
}

const char* const kNames[] = {"",  "a", "A", "ab",     "b",   "B",
                              "z", "_", "~", "\xc3\xa9", "a::b", "a:b"};

class ListOrderTest : public ::testing::Test {
 protected:
  int Pick(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng_);
  }

  NodeData RandomRecord() {
    NodeData r;
    r.name = kNames[Pick(0, std::size(kNames) - 1)];
    r.line = next_id_++;
    r.loc = Pick(0, 4);
    r.eloc = Pick(0, 4);
    r.lloc = Pick(-1, 3);
    r.cyclo = Pick(1, 3);
    r.returns = Pick(1, 4);
    if (Pick(0, 50) == 0) r.loc = Pick(-100000, 100000);
    return r;
  }

  // Both lists hold the same records in the same order.
  void ExpectSame(const Llist<NodeData>& list,
                  const std::vector<NodeData>& walk) {
    std::vector<int> got;
    std::vector<int> want;
    for (const NodeData& r : list) got.push_back(r.line);
    for (const NodeData& r : walk) want.push_back(r.line);
    ASSERT_EQ(got, want) << "after step " << step_;
  }

  std::mt19937 rng_{20240611};
  int next_id_ = 1;
  int step_ = 0;
};

TEST_F(ListOrderTest, AddingByEachKeyMatchesTheWalk) {
  for (int key = 0; key <= 7; ++key) {
    for (int trial = 0; trial < 4; ++trial) {
      SCOPED_TRACE(testing::Message() << "key " << key << " trial " << trial);
      Llist<NodeData> list;
      std::vector<NodeData> walk;
      int n = Pick(0, 1500);
      for (step_ = 0; step_ < n; ++step_) {
        NodeData r = RandomRecord();
        WalkAdd(walk, r, RoutineOfKey(key));
        ASSERT_EQ(AddListNode(key, r, list), 1);
      }
      ExpectSame(list, walk);
    }
  }
}

TEST_F(ListOrderTest, ResortByEachKeyMatchesRebuildingByWalk) {
  for (int trial = 0; trial < 6; ++trial) {
    Llist<NodeData> list;
    std::vector<NodeData> walk;
    int n = Pick(0, 800);
    int build_key = Pick(0, 6);
    for (int i = 0; i < n; ++i) {
      NodeData r = RandomRecord();
      WalkAdd(walk, r, RoutineOfKey(build_key));
      AddListNode(build_key, r, list);
    }
    for (int round = 0; round < 12; ++round) {
      int key = Pick(0, 7);
      SCOPED_TRACE(testing::Message() << "trial " << trial << " build key "
                                      << build_key << " resort key " << key);
      WalkResort(walk, RoutineOfKey(key));
      LlistResort_NodeData(list, key);
      ExpectSame(list, walk);
    }
  }
}

TEST_F(ListOrderTest, MixedOperationsMatchTheWalk) {
  for (int trial = 0; trial < 18; ++trial) {
    // Most additions use the list's own key, as the program's lists do;
    // the rest mix in other keys, appends and changes.
    int list_key = Pick(0, 6);
    SCOPED_TRACE(testing::Message() << "trial " << trial << " key "
                                    << list_key);
    Llist<NodeData> list;
    std::vector<NodeData> walk;
    const int read_every = trial % 3 == 0 ? 0 : trial % 3 == 1 ? 8 : 200;
    for (step_ = 0; step_ < 1200; ++step_) {
      int op = Pick(0, 99);
      if (op < 55) {
        NodeData r = RandomRecord();
        WalkAdd(walk, r, RoutineOfKey(list_key));
        AddListNode(list_key, r, list);
      } else if (op < 63) {
        int key = Pick(0, 7);
        NodeData r = RandomRecord();
        WalkAdd(walk, r, RoutineOfKey(key));
        AddListNode(key, r, list);
      } else if (op < 78) {
        int key = Pick(0, 1) ? list_key : Pick(0, 7);
        NodeData r = RandomRecord();
        const ListOrder<NodeData>* order = NodeOrderForKey(key);
        int want = WalkAddUnique(walk, r, RoutineOfKey(key));
        ASSERT_EQ(LlistAddUnique(list, std::make_unique<NodeData>(r), order),
                  want)
            << "step " << step_;
      } else if (op < 82) {
        int key = Pick(0, 3) ? list_key : Pick(0, 7);
        WalkResort(walk, RoutineOfKey(key));
        LlistResort_NodeData(list, key);
      } else if (op < 88 && !walk.empty()) {
        int at = Pick(0, static_cast<int>(walk.size()) - 1);
        walk.erase(walk.begin() + at);
        auto it = std::next(list.begin(), at);
        if (Pick(0, 1)) {
          list.erase(it);
        } else {
          list.take(it);
        }
      } else if (op < 94) {
        NodeData probe = RandomRecord();
        int key = Pick(0, 2) ? 1 : Pick(1, 6);
        const NodeData* want = WalkFind(walk, probe, RoutineOfKey(key));
        const NodeData* got = LlistFind(list, probe, *NodeOrderForKey(key));
        ASSERT_EQ(got == nullptr, want == nullptr) << "step " << step_;
        if (got != nullptr) {
          ASSERT_EQ(got->line, want->line);
        }
      } else if (!walk.empty()) {
        // A record changed in place, then the list told so.
        int at = Pick(0, static_cast<int>(walk.size()) - 1);
        NodeData& r = *std::next(list.begin(), at);
        if (Pick(0, 1)) {
          r.name = kNames[Pick(0, std::size(kNames) - 1)];
        } else {
          r.loc += Pick(-2, 2);
          r.returns += Pick(-1, 1);
        }
        walk[static_cast<size_t>(at)] = r;
        LlistOrderChanged(list);
      }
      // Reading the list places what additions held back; read at random
      // moments so that one record or hundreds are placed at a time.
      ASSERT_EQ(list.count(), static_cast<int>(walk.size()));
      if (Pick(0, read_every) == 0) ExpectSame(list, walk);
    }
    ExpectSame(list, walk);
  }
}

TEST_F(ListOrderTest, NameListsMatchTheWalk) {
  for (int trial = 0; trial < 8; ++trial) {
    Llist<NameData> list;
    std::vector<NameData> walk;
    for (step_ = 0; step_ < 800; ++step_) {
      int op = Pick(0, 9);
      NameData r{kNames[Pick(0, std::size(kNames) - 1)],
                 std::to_string(step_), 0, 0};
      if (op < 6) {
        int sorted = op < 5 || trial % 2 ? 1 : 0;
        WalkAdd(walk, r, sorted ? CompName_NameType : nullptr);
        ASSERT_EQ(AddNameNode(r.name, r.extra, 0, list, sorted), 1);
      } else if (op < 9) {
        int want = WalkAddUnique(walk, r, CompName_NameType);
        ASSERT_EQ(LlistAddUnique(list, std::make_unique<NameData>(r),
                                 &kByName_NameType),
                  want);
      } else {
        int key = Pick(0, 2);
        WalkResort(walk, key == 1 ? CompName_NameType : nullptr);
        LlistResort_NameData(list, key);
      }
      std::vector<std::string> got;
      std::vector<std::string> want;
      for (const NameData& n : list) got.push_back(n.extra);
      for (const NameData& n : walk) want.push_back(n.extra);
      ASSERT_EQ(got, want) << "trial " << trial << " step " << step_;
    }
  }
}

// A routine of no known kind, and not even a consistent order: names of
// the same length are "equal" unless both start with 'a'.
int OddRoutine(const NodeData& added, const NodeData& node) {
  if (added.name.size() != node.name.size()) {
    return added.name.size() < node.name.size() ? -1 : 1;
  }
  if (!added.name.empty() && added.name[0] == 'a' && !node.name.empty() &&
      node.name[0] == 'a') {
    return 1;
  }
  return 0;
}

TEST_F(ListOrderTest, AnyOtherRoutineIsWalked) {
  const ListOrder<NodeData> odd{OddRoutine};
  Llist<NodeData> list;
  std::vector<NodeData> walk;
  for (step_ = 0; step_ < 600; ++step_) {
    NodeData r = RandomRecord();
    int op = Pick(0, 9);
    if (op < 5) {
      WalkAdd(walk, r, OddRoutine);
      LlistAdd(list, std::make_unique<NodeData>(r), &odd);
    } else if (op < 8) {
      int want = WalkAddUnique(walk, r, OddRoutine);
      ASSERT_EQ(LlistAddUnique(list, std::make_unique<NodeData>(r), &odd),
                want);
    } else if (op < 9) {
      WalkAdd(walk, r, CompName_NodeType);
      AddListNode(1, r, list);
    } else {
      WalkResort(walk, OddRoutine);
      LlistResort(list, &odd);
    }
    ExpectSame(list, walk);
  }
}

}  // namespace
