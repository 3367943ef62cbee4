#include "lists/compare.h"

#include "lists/collate.h"

namespace {

// The answer of every number routine: the new record goes after the listed
// ones while their value is at least its own.
int CompNumber(int32_t added, int32_t node) { return node >= added ? 1 : -1; }

const std::string& NodeName(const NodeData& r) { return r.name; }
const std::string& NameName(const NameData& r) { return r.name; }
int32_t NodeLoc(const NodeData& r) { return r.loc; }
int32_t NodeEloc(const NodeData& r) { return r.eloc; }
int32_t NodeLloc(const NodeData& r) { return r.lloc; }
int32_t NodeCyclo(const NodeData& r) { return r.cyclo; }
int32_t NodeState(const NodeData& r) { return r.state(); }

constexpr ListOrder<NodeData> ByNumber(
    int (*compare)(const NodeData&, const NodeData&),
    int32_t (*number)(const NodeData&)) {
  return ListOrder<NodeData>{compare, OrderKind::kNumberDescending, nullptr,
                             number};
}

}  // namespace

int CompName_NodeType(const NodeData& added, const NodeData& node) {
  return CollateNames(added.name, node.name);
}

int CompName_NameType(const NameData& added, const NameData& node) {
  return CollateNames(added.name, node.name);
}

int CompLoc(const NodeData& added, const NodeData& node) {
  return CompNumber(added.loc, node.loc);
}

int CompEloc(const NodeData& added, const NodeData& node) {
  return CompNumber(added.eloc, node.eloc);
}

int CompLloc(const NodeData& added, const NodeData& node) {
  return CompNumber(added.lloc, node.lloc);
}

int CompCyclo(const NodeData& added, const NodeData& node) {
  return CompNumber(added.cyclo, node.cyclo);
}

int CompState(const NodeData& added, const NodeData& node) {
  return CompNumber(added.state(), node.state());
}

constinit const ListOrder<NodeData> kByName_NodeType{
    CompName_NodeType, OrderKind::kNameAscending, NodeName, nullptr};
constinit const ListOrder<NodeData> kByLoc = ByNumber(CompLoc, NodeLoc);
constinit const ListOrder<NodeData> kByEloc = ByNumber(CompEloc, NodeEloc);
constinit const ListOrder<NodeData> kByLloc = ByNumber(CompLloc, NodeLloc);
constinit const ListOrder<NodeData> kByCyclo = ByNumber(CompCyclo, NodeCyclo);
constinit const ListOrder<NodeData> kByState = ByNumber(CompState, NodeState);
constinit const ListOrder<NameData> kByName_NameType{
    CompName_NameType, OrderKind::kNameAscending, NameName, nullptr};

const ListOrder<NodeData>* NodeOrderForKey(int key) {
  switch (key) {
    case 1: return &kByName_NodeType;
    case 2: return &kByLoc;
    case 3: return &kByEloc;
    case 4: return &kByLloc;
    case 5: return &kByCyclo;
    case 6: return &kByState;
    default: return nullptr;
  }
}

const ListOrder<NameData>* NameOrderForKey(int key) {
  return key == 1 ? &kByName_NameType : nullptr;
}
