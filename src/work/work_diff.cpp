#include "work/work_diff.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "lists/add_node.h"
#include "lists/collate.h"
#include "base/error_block.h"
#include "base/output.h"
#include "base/saturate.h"

const char* const kStateNames[7] = {"Unp", "Rem", "Equ", "Mod",
                                    "New", "Prc", "Tot"};

namespace {

// A difference record: `sign` times `from`'s values plus `to`'s (either
// may be null), so latest - ancestor for a matched file, the negated
// values of a removed one and the own values of a new one.
NodeData Difference(const NodeData* from, const NodeData* to) {
  auto diff = [from, to](int32_t NodeData::*field) {
    const int64_t a = from != nullptr ? from->*field : 0;
    const int64_t b = to != nullptr ? to->*field : 0;
    return Saturate32(b - a);
  };
  NodeData d;
  d.name = (to != nullptr ? to : from)->name;
  d.date = (to != nullptr ? to : from)->date;
  d.params = diff(&NodeData::params);
  d.loc = diff(&NodeData::loc);
  d.eloc = diff(&NodeData::eloc);
  d.lloc = diff(&NodeData::lloc);
  d.cyclo = diff(&NodeData::cyclo);
  d.comments = diff(&NodeData::comments);
  d.blanks = diff(&NodeData::blanks);
  d.lines = diff(&NodeData::lines);
  return d;
}

bool SameCounts(const NodeData& a, const NodeData& b) {
  return a.loc == b.loc && a.eloc == b.eloc && a.lloc == b.lloc &&
         a.cyclo == b.cyclo && a.comments == b.comments &&
         a.blanks == b.blanks && a.lines == b.lines;
}

// The record of a file found in both snapshots.
NodeData Matched(const NodeData& ancestor, const NodeData& latest) {
  NodeData d = Difference(&ancestor, &latest);
  if (SameCounts(ancestor, latest)) {
    const int32_t size = d.params;
    d = NodeData{};
    d.name = latest.name;
    d.date = latest.date;
    d.params = size;
    d.state() = kEqual;
    return d;
  }
  d.state() = kModified;
  d.ratio = ancestor.eloc > 0
                ? static_cast<float>((static_cast<double>(latest.eloc) - ancestor.eloc) /
                                     ancestor.eloc * 100.0)
                : 100.0f;
  return d;
}

// Adds a difference record in name order; false after the memory message.
bool Store(NodeData record, Llist<NodeData>& diff, ReportSink& G) {
  if (AddListNode(1, std::move(record), diff) != 0) return true;
  OutMemoryError(G, ENOMEM);
  return false;
}

}  // namespace

void AddToSums(WorkSums& sums, const NodeData& r, int sign) {
  sums.loc += int64_t{sign} * r.loc;
  sums.eloc += int64_t{sign} * r.eloc;
  sums.lloc += int64_t{sign} * r.lloc;
  sums.cyclo += int64_t{sign} * r.cyclo;
  sums.comments += int64_t{sign} * r.comments;
  sums.blanks += int64_t{sign} * r.blanks;
  sums.lines += int64_t{sign} * r.lines;
  sums.size += int64_t{sign} * r.params;
}

std::string SumValues(const WorkSums& sums, const char* each) {
  std::string text;
  for (int64_t v : SevenSums(sums)) {
    text += Fmt(each, static_cast<long long>(v));
  }
  return text;
}

WorkSums SumList(const Llist<NodeData>& list) {
  WorkSums sums;
  for (const NodeData& r : list) AddToSums(sums, r, 1);
  return sums;
}

void DiffDataHeader(ReportSink& out, const RunSettings& G) {
  const char* columns =
      "  State   LOC    eLOC    lLOC   Cyclo Comment  Blanks   Lines    eLOC% "
      "File";
  if (G.csv_mode) {
    Out(out,
        "State,LOC,eLOC,lLOC,Cyclo,Comment,Blanks,Lines,eLOC%%,File Name\n");
  } else {
    Out(out, G.html_flag ? "<B>%s</B>\n" : "%s\n", columns);
    HyphenRule(out);
  }
  if (G.totals_work_diff) Out(out, "  Totals Only Mode - No Files Shown\n");
}

void MatchWorkLists(Llist<NodeData>& ancestor, Llist<NodeData>& latest,
                    Llist<NodeData>& diff, WorkSums& totals, ReportSink& G) {
  // Both lists are in name order: one walk pairs each ancestor record with
  // the next unpaired latest record of the same name.
  auto next = latest.begin();
  const auto last = latest.end();
  for (const NodeData& a : ancestor) {
    while (next != last && CollateNames(next->name, a.name) < 0) ++next;
    if (next != last && next->name == a.name) {
      NodeData& l = *next++;
      l.state() = kMatched;
      AddToSums(totals, l, 1);
      AddToSums(totals, a, -1);
      if (!Store(Matched(a, l), diff, G)) return;
      continue;
    }
    AddToSums(totals, a, -1);
    NodeData removed = Difference(&a, nullptr);
    removed.state() = kRemoved;
    removed.ratio = -100.0f;
    if (!Store(std::move(removed), diff, G)) return;
  }
  for (const NodeData& l : latest) {
    if (l.state() == kMatched) continue;
    AddToSums(totals, l, 1);
    NodeData added = Difference(nullptr, &l);
    added.state() = kNew;
    added.ratio = 100.0f;
    if (!Store(std::move(added), diff, G)) return;
  }
}

void DiffWorkLists(Llist<NodeData>& ancestor, Llist<NodeData>& latest,
                   Llist<NodeData>& diff, WorkSums& totals, ReportSink& out,
                   const RunSettings& G) {
  DiffDataHeader(out, G);
  MatchWorkLists(ancestor, latest, diff, totals, out);
}
