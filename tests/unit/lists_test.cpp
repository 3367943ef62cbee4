// Lists of records: comparison routines and their tie rules, ordered and
// unique addition, lookup, re-sorting and removal.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "lists/add_node.h"
#include "lists/collate.h"
#include "lists/compare.h"
#include "lists/llist.h"
#include "lists/resort.h"

namespace {

NodeData Rec(const std::string& name, int id, int value = 0) {
  NodeData r;
  r.name = name;
  r.line = id;
  r.loc = r.eloc = r.lloc = r.cyclo = r.returns = value;
  return r;
}

std::vector<int> Ids(const Llist<NodeData>& list) {
  std::vector<int> ids;
  for (const NodeData& r : list) ids.push_back(r.line);
  return ids;
}

std::vector<std::string> Names(const Llist<NameData>& list) {
  std::vector<std::string> names;
  for (const NameData& r : list) names.push_back(r.name + ":" + r.extra);
  return names;
}

using NodeCompare = int (*)(const NodeData&, const NodeData&);

struct NumberKey {
  int key;
  NodeCompare compare;
  int32_t NodeData::*slot;
};

const NumberKey kNumberKeys[] = {
    {2, CompLoc, &NodeData::loc},       {3, CompEloc, &NodeData::eloc},
    {4, CompLloc, &NodeData::lloc},     {5, CompCyclo, &NodeData::cyclo},
    {6, CompState, &NodeData::returns},
};

TEST(ListCompare, NameRoutinesCollateInByteOrder) {
  EXPECT_LT(CompName_NodeType(Rec("B", 0), Rec("a", 0)), 0);
  EXPECT_GT(CompName_NodeType(Rec("ab", 0), Rec("a", 0)), 0);
  EXPECT_EQ(CompName_NodeType(Rec("x::y", 0), Rec("x::y", 0)), 0);
  EXPECT_LT(CompName_NodeType(Rec("", 0), Rec("a", 0)), 0);
  // Bytes above 127 sort after ASCII: unsigned order.
  EXPECT_GT(CompName_NodeType(Rec("\xe9t\xe9", 0), Rec("zz", 0)), 0);
  EXPECT_LT(CompName_NameType(NameData{"a.c", "", 0, 0},
                              NameData{"b.c", "", 0, 0}),
            0);
  EXPECT_EQ(CompName_NameType(NameData{"a.c", "x", 1, 2},
                              NameData{"a.c", "y", 3, 4}),
            0);
}

TEST(ListCompare, CollationIsTheCLibrarysInTheCLocale) {
  const std::vector<std::string> names = {
      "", "a", "A", "ab", "abc", "abcdefgh", "abcdefghi", "abcdefgz", "B",
      "_x", "~y", "a::b", "a:b", "\xc3\xa9", "\x7f", "\x80", "zzzzzzzzzz"};
  for (const std::string& a : names) {
    for (const std::string& b : names) {
      SCOPED_TRACE(a + " / " + b);
      int want = strcoll(a.c_str(), b.c_str());
      int got = CollateNames(a, b);
      EXPECT_EQ(got < 0, want < 0);
      EXPECT_EQ(got == 0, want == 0);
      // A prefix that differs decides the same way.
      if (NamePrefix(a) != NamePrefix(b)) {
        EXPECT_EQ(NamePrefix(a) < NamePrefix(b), want < 0);
      }
    }
  }
}

TEST(ListCompare, NumberRoutinesReadOnlyTheirSlot) {
  for (const NumberKey& k : kNumberKeys) {
    SCOPED_TRACE(k.key);
    NodeData added = Rec("n", 0, 50);
    NodeData node = Rec("n", 0, 50);
    node.*k.slot = 10;
    EXPECT_EQ(k.compare(added, node), -1);  // listed value below the new
    node.*k.slot = 10;
    added.*k.slot = 10;
    EXPECT_EQ(k.compare(added, node), 1);  // equal: the new one goes after
    node.*k.slot = 11;
    EXPECT_EQ(k.compare(added, node), 1);
    EXPECT_EQ(NodeOrderForKey(k.key)->compare, k.compare);
  }
}

TEST(ListCompare, KeysOutsideOneToSixHaveNoOrder) {
  EXPECT_EQ(NodeOrderForKey(0), nullptr);
  EXPECT_EQ(NodeOrderForKey(7), nullptr);
  EXPECT_EQ(NodeOrderForKey(-1), nullptr);
  EXPECT_EQ(NodeOrderForKey(1)->compare, CompName_NodeType);
  EXPECT_EQ(NameOrderForKey(1)->compare, CompName_NameType);
  EXPECT_EQ(NameOrderForKey(2), nullptr);
}

TEST(ListCompare, PartNameMatchesSubstrings) {
  EXPECT_EQ(ListCompPartName("Shape", Rec("ns::Shape<T>", 0)), 0);
  EXPECT_EQ(ListCompPartName("shape", Rec("ns::Shape<T>", 0)), -1);
  EXPECT_EQ(ListCompPartName("", Rec("x", 0)), 0);
}

TEST(ListAdd, ByNameTheLaterOfEqualNamesComesFirst) {
  Llist<NodeData> list;
  ASSERT_EQ(AddListNode(1, Rec("b", 1), list), 1);
  ASSERT_EQ(AddListNode(1, Rec("a", 2), list), 1);
  ASSERT_EQ(AddListNode(1, Rec("b", 3), list), 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(list.count(), 3);
}

TEST(ListAdd, ByNumberEqualValuesKeepTheirOrder) {
  for (const NumberKey& k : kNumberKeys) {
    SCOPED_TRACE(k.key);
    Llist<NodeData> list;
    AddListNode(k.key, Rec("x", 1, 10), list);
    AddListNode(k.key, Rec("x", 2, 20), list);
    AddListNode(k.key, Rec("x", 3, 10), list);
    AddListNode(k.key, Rec("x", 4, 30), list);
    AddListNode(k.key, Rec("x", 5, 20), list);
    EXPECT_EQ(Ids(list), (std::vector<int>{4, 2, 5, 1, 3}));
  }
}

TEST(ListAdd, KeyZeroAndUnknownKeysAppend) {
  Llist<NodeData> list;
  AddListNode(0, Rec("c", 1, 1), list);
  AddListNode(7, Rec("a", 2, 9), list);
  AddListNode(-3, Rec("b", 3, 5), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
}

TEST(ListAdd, NullRecordIsRefused) {
  Llist<NodeData> list;
  EXPECT_EQ(LlistAdd(list, std::unique_ptr<NodeData>()), nullptr);
  EXPECT_EQ(LlistAdd(list, std::unique_ptr<NodeData>(), &kByLoc), nullptr);
  EXPECT_EQ(LlistAddUnique(list, std::unique_ptr<NodeData>(), &kByLoc), 0);
  EXPECT_TRUE(list.empty());
}

TEST(ListAdd, ReturnsTheStoredRecordWhichKeepsItsAddress) {
  Llist<NodeData> list;
  NodeData* first = LlistAdd(list, std::make_unique<NodeData>(Rec("m", 1)),
                             &kByName_NodeType);
  ASSERT_NE(first, nullptr);
  for (int i = 0; i < 100; ++i) {
    std::string name(1, static_cast<char>('a' + i % 26));
    AddListNode(1, Rec(name, 100 + i), list);
  }
  LlistResort_NodeData(list, 2);
  EXPECT_EQ(first->name, "m");
  EXPECT_EQ(LlistFindIf(list, [](const NodeData& r) { return r.line == 1; }),
            first);
}

TEST(ListAddUnique, EqualNameAddsNothing) {
  Llist<NodeData> list;
  auto add = [&](const char* name, int id) {
    return LlistAddUnique(list, std::make_unique<NodeData>(Rec(name, id)),
                          &kByName_NodeType);
  };
  EXPECT_EQ(add("m", 1), 1);
  EXPECT_EQ(add("c", 2), 1);
  EXPECT_EQ(add("x", 3), 1);
  EXPECT_EQ(add("m", 4), 0);
  EXPECT_EQ(add("c", 5), 0);
  EXPECT_EQ(add("d", 6), 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 6, 1, 3}));
}

TEST(ListAddUnique, NumberRoutinesNeverFindADuplicate) {
  Llist<NodeData> list;
  auto add = [&](int id, int value) {
    return LlistAddUnique(list, std::make_unique<NodeData>(Rec("x", id, value)),
                          &kByEloc);
  };
  EXPECT_EQ(add(1, 4), 1);
  EXPECT_EQ(add(2, 4), 1);
  EXPECT_EQ(add(3, 6), 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{3, 1, 2}));
}

TEST(ListAddUnique, WithoutRoutineOnlyAnEmptyListTakesTheRecord) {
  Llist<NodeData> list;
  EXPECT_EQ(LlistAddUnique(list, std::make_unique<NodeData>(Rec("a", 1)),
                           nullptr),
            1);
  EXPECT_EQ(LlistAddUnique(list, std::make_unique<NodeData>(Rec("b", 2)),
                           nullptr),
            0);
  EXPECT_EQ(Ids(list), (std::vector<int>{1}));
}

TEST(ListFind, FirstEqualNameInListOrder) {
  Llist<NodeData> sorted;
  Llist<NodeData> appended;
  for (int i = 0; i < 6; ++i) {
    std::string name = i % 2 ? "odd" : "even";
    AddListNode(1, Rec(name, i), sorted);
    AddListNode(0, Rec(name, i), appended);
  }
  EXPECT_EQ(LlistFind(sorted, Rec("odd", 0), kByName_NodeType)->line, 5);
  EXPECT_EQ(LlistFind(appended, Rec("odd", 0), kByName_NodeType)->line, 1);
  EXPECT_EQ(LlistFind(sorted, Rec("od", 0), kByName_NodeType), nullptr);
  EXPECT_EQ(LlistFind(sorted, Rec("zzz", 0), kByName_NodeType), nullptr);
  EXPECT_EQ(LlistFind(sorted, Rec("odd", 0), kByLoc), nullptr);
}

TEST(ListFind, RenamedRecordIsFoundAfterOrderChanged) {
  Llist<NodeData> list;
  AddListNode(1, Rec("apple", 1), list);
  NodeData* inst = LlistAdd(list, std::make_unique<NodeData>(Rec("instance", 2)),
                            &kByName_NodeType);
  AddListNode(1, Rec("pear", 3), list);
  inst->name = "Point";
  LlistOrderChanged(list);
  EXPECT_EQ(LlistFind(list, Rec("Point", 0), kByName_NodeType), inst);
  // The list is now out of name order, so the next addition walks it.
  AddListNode(1, Rec("orange", 4), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 4, 3}));
  LlistResort_NodeData(list, 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 1, 4, 3}));
}

TEST(ListResort, EmptyListStaysEmpty) {
  Llist<NodeData> list;
  for (int key = 0; key <= 7; ++key) LlistResort_NodeData(list, key);
  EXPECT_TRUE(list.empty());
  Llist<NameData> names;
  LlistResort_NameData(names, 1);
  EXPECT_TRUE(names.empty());
}

TEST(ListResort, KeyZeroKeepsTheOrder) {
  Llist<NodeData> list;
  AddListNode(0, Rec("b", 1, 3), list);
  AddListNode(0, Rec("a", 2, 9), list);
  AddListNode(0, Rec("c", 3, 1), list);
  LlistResort_NodeData(list, 0);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
  LlistResort_NodeData(list, 9);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3}));
}

TEST(ListResort, ByNameReversesEqualNames) {
  Llist<NodeData> list;
  AddListNode(0, Rec("b", 1), list);
  AddListNode(0, Rec("a", 2), list);
  AddListNode(0, Rec("b", 3), list);
  AddListNode(0, Rec("a", 4), list);
  LlistResort_NodeData(list, 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{4, 2, 3, 1}));
  // Re-sorting again flips the equal names back.
  LlistResort_NodeData(list, 1);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 4, 1, 3}));
}

TEST(ListResort, ByNumberIsStableAndReadsCurrentValues) {
  Llist<NodeData> list;
  for (int i = 1; i <= 5; ++i) AddListNode(2, Rec("f", i, 10), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4, 5}));
  // Counts added to records after they were listed (as class records get
  // their functions' measures) decide the re-sort.
  for (NodeData& r : list) r.loc += r.line % 2 ? 5 : 0;
  LlistResort_NodeData(list, 2);
  EXPECT_EQ(Ids(list), (std::vector<int>{1, 3, 5, 2, 4}));
}

TEST(ListResort, NameListsSortByNameOnly) {
  Llist<NameData> list;
  AddNameNode("src/b.c", "1", 0, list, 0);
  AddNameNode("src/a.c", "2", 0, list, 0);
  AddNameNode("src/b.c", "3", 0, list, 0);
  LlistResort_NameData(list, 2);
  EXPECT_EQ(Names(list),
            (std::vector<std::string>{"src/b.c:1", "src/a.c:2", "src/b.c:3"}));
  LlistResort_NameData(list, 1);
  EXPECT_EQ(Names(list),
            (std::vector<std::string>{"src/a.c:2", "src/b.c:3", "src/b.c:1"}));
}

TEST(ListNameNodes, SortedFlagChoosesNameOrder) {
  Llist<NameData> list;
  EXPECT_EQ(AddNameNode("m", "1", 7, list, 1), 1);
  EXPECT_EQ(AddNameNode("a", "2", 0, list, 1), 1);
  EXPECT_EQ(AddNameNode("m", "3", 0, list, 1), 1);
  EXPECT_EQ(AddNameNode("b", "4", 0, list, 0), 1);
  EXPECT_EQ(Names(list),
            (std::vector<std::string>{"a:2", "m:3", "m:1", "b:4"}));
  EXPECT_EQ(LlistFind(list, NameData{"m", "", 0, 0}, kByName_NameType)->extra,
            "3");
  EXPECT_EQ(list.back().value, 0);
  EXPECT_EQ(list.front().name, "a");
}

TEST(ListDestroy, EmptiesTheListWhichCanBeUsedAgain) {
  Llist<NodeData> list;
  LlistDestroy(list);
  EXPECT_TRUE(list.empty());
  for (int i = 0; i < 10; ++i) AddListNode(3, Rec("x", i, i), list);
  LlistDestroy(list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.begin(), list.end());
  AddListNode(3, Rec("x", 1, 1), list);
  AddListNode(3, Rec("x", 2, 2), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 1}));
}

TEST(ListRemove, EraseAndTakeKeepTheOrderUsable) {
  Llist<NodeData> list;
  for (int i = 1; i <= 6; ++i) AddListNode(2, Rec("x", i, i % 3), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{2, 5, 1, 4, 3, 6}));
  for (auto it = list.begin(); it != list.end();) {
    it = it->loc == 1 ? list.erase(it) : std::next(it);
  }
  std::unique_ptr<NodeData> taken = list.take(list.begin());
  EXPECT_EQ(taken->line, 2);
  EXPECT_EQ(Ids(list), (std::vector<int>{5, 3, 6}));
  AddListNode(2, Rec("x", 7, 2), list);
  AddListNode(2, Rec("x", 8, 0), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{5, 7, 3, 6, 8}));
}

TEST(ListConcat, MovesRecordsToTheTail) {
  Llist<NameData> headers;
  Llist<NameData> sources;
  AddNameNode("b.h", "", 0, headers, 1);
  AddNameNode("a.h", "", 0, headers, 1);
  AddNameNode("a.c", "", 0, sources, 0);
  LlistConcat(headers, sources);
  EXPECT_TRUE(sources.empty());
  EXPECT_EQ(Names(headers), (std::vector<std::string>{"a.h:", "b.h:", "a.c:"}));
  // The joined list is out of name order: a name addition walks it.
  AddNameNode("a.d", "", 0, headers, 1);
  EXPECT_EQ(Names(headers),
            (std::vector<std::string>{"a.d:", "a.h:", "b.h:", "a.c:"}));
}

TEST(ListMove, MovedListKeepsItsOrderAndSourceIsEmpty) {
  Llist<NodeData> list;
  for (int i = 1; i <= 4; ++i) AddListNode(1, Rec(i % 2 ? "a" : "b", i), list);
  Llist<NodeData> moved(std::move(list));
  EXPECT_TRUE(list.empty());  // NOLINT: the moved-from state is specified
  AddListNode(1, Rec("a", 5), moved);
  EXPECT_EQ(Ids(moved), (std::vector<int>{5, 3, 1, 4, 2}));
  list = std::move(moved);
  AddListNode(1, Rec("b", 6), list);
  EXPECT_EQ(Ids(list), (std::vector<int>{5, 3, 1, 6, 4, 2}));
}

}  // namespace
