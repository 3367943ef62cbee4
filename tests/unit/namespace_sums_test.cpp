// Attributing functions and classes to their namespace at report time,
// each once.
#include <gtest/gtest.h>

#include <string>

#include "lists/add_node.h"
#include "lists/compare.h"
#include "reports/namespace_sums.h"
#include "reports/function_reports.h"
#include "test_support.h"

namespace {

NodeData Space(const char* name) {
  NodeData r;
  r.name = name;
  r.file = "a.cpp";
  return r;
}

NodeData Fn(const char* name, int loc, int params, int returns, int cyclo) {
  NodeData r;
  r.name = name;
  r.loc = loc;
  r.eloc = loc - 1;
  r.lloc = loc / 2;
  r.comments = 1;
  r.blanks = 2;
  r.lines = loc + 3;
  r.params = params;
  r.returns = returns;
  r.cyclo = cyclo;
  return r;
}

const NodeData& Find(Globals& G, const char* name) {
  NodeData probe;
  probe.name = name;
  const NodeData* found = LlistFind(G.namespace_list, probe, kByName_NodeType);
  EXPECT_NE(found, nullptr) << name;
  return *found;
}

TEST(AddFunc2namespace, OnlyNamesWithOneScopeOperatorAreAttributed) {
  CapturedRun c;
  Globals& G = c.G;
  for (const char* name : {"B", "A", "A::B"}) {
    AddListNode(1, Space(name), G.namespace_list);
  }
  Add_Func2namespace("A::f", 10, 4, 8, 3, 2, 14, 5, 2, 1, G);
  Add_Func2namespace("A::g", 6, 2, 5, 0, 1, 7, 1, 0, 1, G);
  // Two scope operators, none, a single colon, an unknown namespace.
  Add_Func2namespace("A::B::g", 100, 100, 100, 100, 100, 100, 100, 100, 100,
                     G);
  Add_Func2namespace("f", 100, 100, 100, 100, 100, 100, 100, 100, 100, G);
  Add_Func2namespace("A:f", 100, 100, 100, 100, 100, 100, 100, 100, 100, G);
  Add_Func2namespace("C::f", 100, 100, 100, 100, 100, 100, 100, 100, 100, G);

  const NodeData& a = Find(G, "A");
  EXPECT_EQ(a.loc, 16);
  EXPECT_EQ(a.lloc, 6);
  EXPECT_EQ(a.eloc, 13);
  EXPECT_EQ(a.comments, 3);
  EXPECT_EQ(a.blanks, 3);
  EXPECT_EQ(a.lines, 21);
  EXPECT_EQ(a.cyclo, 6);
  EXPECT_EQ(a.params, 2);
  EXPECT_EQ(a.returns, 2);
  EXPECT_EQ(a.ratio, 2.0f);  // its function count
  EXPECT_EQ(Find(G, "A::B").loc, 0);
  EXPECT_EQ(Find(G, "B").ratio, 0.0f);
}

TEST(AddFunc2namespace, ProjectStatisticsAttributeEveryFunctionOnce) {
  CapturedRun c;
  Globals& G = c.G;
  AddListNode(1, Space("N"), G.namespace_list);
  AddListNode(1, Space("M"), G.namespace_list);
  AddListNode(0, Fn("N::a", 10, 1, 1, 2), G.function_list);
  AddListNode(0, Fn("M::b", 4, 0, 1, 1), G.function_list);
  AddListNode(0, Fn("N::c", 6, 2, 2, 3), G.function_list);
  AddListNode(0, Fn("main", 3, 0, 1, 1), G.function_list);
  TShowFunctionSummary(G);
  const NodeData& n = Find(G, "N");
  EXPECT_EQ(n.ratio, 2.0f);
  EXPECT_EQ(n.loc, 16);
  EXPECT_EQ(n.eloc, 14);
  EXPECT_EQ(n.lloc, 8);
  EXPECT_EQ(n.lines, 22);
  EXPECT_EQ(n.blanks, 4);
  EXPECT_EQ(n.cyclo, 5);
  EXPECT_EQ(n.params, 3);
  EXPECT_EQ(n.returns, 3);
  EXPECT_EQ(Find(G, "M").ratio, 1.0f);
  EXPECT_EQ(Find(G, "M").loc, 4);
}

ClassSums Sums(int loc, int nested) {
  ClassSums s;
  s.loc = loc;
  s.eloc = loc - 1;
  s.member_functions = 2;
  s.public_methods = 1;
  s.private_attributes = 3;
  s.nested = nested;
  return s;
}

TEST(AddClass2namespace, LongestKnownPrefixTakesTheClass) {
  CapturedRun c;
  Globals& G = c.G;
  for (const char* name : {"A", "A::B", "zoo", "Anonymous"}) AddListNode(1, Space(name), G.namespace_list);
  Add_Class2namespace("A::B::C", Sums(10, 0), G);
  Add_Class2namespace("A::D", Sums(5, 0), G);
  Add_Class2namespace("A::D::Inner", Sums(99, 1), G);  // nested: counted only
  Add_Class2namespace("Interface-zoo.Walker", Sums(7, 0), G);
  Add_Class2namespace("Anonymous::X", Sums(50, 0), G);
  Add_Class2namespace("Free", Sums(50, 0), G);
  EXPECT_EQ(Find(G, "A::B").nested, 1);
  EXPECT_EQ(Find(G, "A::B").loc, 10);
  EXPECT_EQ(Find(G, "A").nested, 2);
  EXPECT_EQ(Find(G, "A").loc, 5);
  EXPECT_EQ(Find(G, "A").eloc, 4);
  EXPECT_EQ(Find(G, "A").ratio, 2.0f);
  EXPECT_EQ(Find(G, "A").public_methods, 1);
  EXPECT_EQ(Find(G, "A").private_attributes, 3);
  EXPECT_EQ(Find(G, "zoo").nested, 1);
  EXPECT_EQ(Find(G, "zoo").loc, 7);
  EXPECT_EQ(Find(G, "Anonymous").nested, 0);
}

TEST(NamespaceSums, EachFunctionCountsOnce) {
  CapturedRun c;
  Globals& G = c.G;
  AddListNode(1, Space("N"), G.namespace_list);
  {  // measures added while parsing are replaced
    NodeData probe;
    probe.name = "N";
    NodeData* n = LlistFind(G.namespace_list, probe, kByName_NodeType);
    n->loc = 100;
    n->ratio = 1.0f;
  }
  NodeData f;
  f.name = "N::f";
  f.loc = 6;
  AddListNode(0, f, G.function_list);
  // The function statistics attribute the function; the namespace report
  // then does not attribute it again.
  TShowFunctionSummary(G);
  AddFunctionsToNamespaces(G);
  EXPECT_EQ(Find(G, "N").loc, 6);
  EXPECT_EQ(Find(G, "N").ratio, 1.0f);
}

TEST(NamespaceSums, ReportAttributesFunctionsWithoutFunctionStatistics) {
  CapturedRun c;
  Globals& G = c.G;
  AddListNode(1, Space("N"), G.namespace_list);
  NodeData f;
  f.name = "N::f";
  f.loc = 6;
  AddListNode(0, f, G.function_list);
  Add_Class2namespace("N::C", Sums(10, 0), G);
  AddFunctionsToNamespaces(G);
  EXPECT_EQ(Find(G, "N").loc, 16);
  EXPECT_EQ(Find(G, "N").ratio, 3.0f);
  EXPECT_EQ(Find(G, "N").nested, 1);
}

}  // namespace
