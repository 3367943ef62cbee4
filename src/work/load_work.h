// Reading a work file back: its creation time and one metric record per
// file line, kept in name order.
#ifndef KLV_WORK_LOAD_WORK_H_
#define KLV_WORK_LOAD_WORK_H_

#include <cstdint>
#include <string_view>

#include "base/globals.h"
#include "lists/llist.h"
#include "lists/node_data.h"

// Splits one file line into `out`: the name in `name`, the modification
// time in `date`, the size in `params` (held at the largest 32-bit value
// for larger files) and the line counts in `loc`, `eloc`, `comments`,
// `blanks`, `lines`, `lloc` and `cyclo`. The nine numbers are the last
// nine words of the line, so a name may hold blanks anywhere. False when
// the line has no name or its numbers are missing, not decimal integers or
// out of range; `out` is then unspecified.
bool ParseWorkLine(std::string_view line, NodeData& out);

// Reads the work file `path` into `list` (in name order) and its creation
// time into `out_time`. Returns 1, or 0 after writing why on the output
// stream: the file cannot be read, or its head or a file line is damaged
// (a truncated file, for instance). A version other than 6.x is only
// warned about. `list` may hold part of the file after a failure.
int LoadWorkFile(const char* path, int64_t& out_time, Llist<NodeData>& list,
                 ReportSink& out, const RunSettings& G);

#endif  // KLV_WORK_LOAD_WORK_H_
