// Matching two work-file snapshots file by file: every file becomes a
// difference record that is new, removed, modified or equal.
#ifndef KLV_WORK_WORK_DIFF_H_
#define KLV_WORK_WORK_DIFF_H_

#include <array>
#include <cstdint>
#include <string>

#include "base/globals.h"
#include "lists/llist.h"
#include "lists/node_data.h"

// Differential states, kept in a record's state slot; they index
// kStateNames. A matched latest record is marked kMatched.
enum WorkState : int32_t {
  kUnprocessed = 0,
  kRemoved = 1,
  kEqual = 2,
  kModified = 3,
  kNew = 4,
  kMatched = 5,
  kTotal = 6,
};

// "Unp", "Rem", "Equ", "Mod", "New", "Prc", "Tot".
extern const char* const kStateNames[7];

// Sums of the line counts of work or difference records, 64 bits wide so
// that no sum over a large tree wraps.
struct WorkSums {
  int64_t loc = 0;
  int64_t eloc = 0;
  int64_t lloc = 0;
  int64_t cyclo = 0;
  int64_t comments = 0;
  int64_t blanks = 0;
  int64_t lines = 0;
  int64_t size = 0;
};

// The seven line sums in report order: LOC, eLOC, lLOC, cyclomatic,
// comments, blanks, lines.
inline std::array<int64_t, 7> SevenSums(const WorkSums& s) {
  return {s.loc, s.eloc, s.lloc, s.cyclo, s.comments, s.blanks, s.lines};
}

// The seven line sums, each written with the printf format `each` (which
// takes a long long).
std::string SumValues(const WorkSums& sums, const char* each);

// Adds `sign` times the record's counts and size to `sums`.
void AddToSums(WorkSums& sums, const NodeData& record, int sign);

// The sums over every record of a snapshot.
WorkSums SumList(const Llist<NodeData>& list);

// Writes the column header of the file lines (and, with -Tw, the note that
// no files are shown).
void DiffDataHeader(ReportSink& out, const RunSettings& G);

// Fills `diff` (in name order) with one record per file of the two
// snapshots, both in name order, and adds the differences into `totals`:
// a file in both is equal when its seven line counts match (only the size
// difference is kept) and modified otherwise, with the differences and the
// eLOC change in percent; a file only in `ancestor` is removed, its values
// negated; a file only in `latest` is new, with its own values. Files that
// occur more than once are paired in list order. Matched latest records are
// marked kMatched. Stops with a memory message when a record cannot be
// stored.
void MatchWorkLists(Llist<NodeData>& ancestor, Llist<NodeData>& latest,
                    Llist<NodeData>& diff, WorkSums& totals, ReportSink& G);

// The column header, then the matching.
void DiffWorkLists(Llist<NodeData>& ancestor, Llist<NodeData>& latest,
                   Llist<NodeData>& diff, WorkSums& totals, ReportSink& out,
                   const RunSettings& G);

#endif  // KLV_WORK_WORK_DIFF_H_
