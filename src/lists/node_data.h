// The metric record of a function, class, struct, interface, namespace,
// package, work-file entry or differential entry. One shape serves them all;
// what a slot holds depends on the kind of record:
//
//   slot           function           class/struct/interface    namespace/package    work/differential
//   name           function name      class name                name                 file path
//   inheritance    -                  base-class text           -                    -
//   sub_name       template header    template header           -                    -
//   file           file found in      file found in             file found in        -
//   date           -                  -                         -                    modification time
//   params         parameters         summed over methods       summed               size in bytes
//   loc .. lines   own measures       own + its functions'      summed               (differences)
//   returns        return points      summed                    summed               state (see below)
//   ratio          -                  member functions          functions            eLOC change, percent
//   *_methods,
//   *_attributes   -                  per access section        summed               -
//   nested         -                  nesting level             classes              -
//   line           closing-brace line line recognised           line recognised      -
//   parents        -                  base classes named        -                    -
//   is_struct      -                  1 for a struct            -                    -
//
// Texts are owned copies; an empty inheritance or sub_name means there is
// none. Fields are in slot order, so a record can be written with
// designated initialisers.
#ifndef KLV_LISTS_NODE_DATA_H_
#define KLV_LISTS_NODE_DATA_H_

#include <cstdint>
#include <string>

struct NodeData {
  std::string name;
  std::string inheritance;
  std::string sub_name;
  std::string file;
  // A file's modification time, in seconds since the epoch; 64 bits wide so
  // that times after 2038 survive.
  int64_t date = 0;
  int32_t params = 0;
  int32_t loc = 0;
  int32_t eloc = 0;
  int32_t lloc = 0;
  int32_t cyclo = 0;
  int32_t comments = 0;
  int32_t blanks = 0;
  int32_t lines = 0;
  int32_t returns = 0;
  float ratio = 0.0f;
  int32_t public_methods = 0;
  int32_t protected_methods = 0;
  int32_t private_methods = 0;
  int32_t public_attributes = 0;
  int32_t protected_attributes = 0;
  int32_t private_attributes = 0;
  int32_t nested = 0;
  int32_t line = 0;
  int32_t parents = 0;
  int32_t is_struct = 0;

  // Work and differential records keep their state in the `returns` slot:
  // 1 removed, 2 equal, 3 modified, 4 new (5 matched, 6 totals).
  int32_t& state() { return returns; }
  int32_t state() const { return returns; }

  // Every field alike.
  friend bool operator==(const NodeData&, const NodeData&) = default;
};

#endif  // KLV_LISTS_NODE_DATA_H_
