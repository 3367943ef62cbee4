// The differential between two snapshots: which files are new, removed,
// modified or equal, their ordering, and the pieces of the report.
#include "work/work_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/add_node.h"
#include "lists/resort.h"
#include "output_capture.h"
#include "work/diff_report.h"

namespace {

// A snapshot record: name, size, then LOC, eLOC, lLOC, cyclomatic,
// comments, blanks, lines.
NodeData Rec(const std::string& name, int size, int loc, int eloc, int lloc,
             int cyclo, int comments, int blanks, int lines) {
  NodeData r;
  r.name = name;
  r.date = 1577934245;
  r.params = size;
  r.loc = loc;
  r.eloc = eloc;
  r.lloc = lloc;
  r.cyclo = cyclo;
  r.comments = comments;
  r.blanks = blanks;
  r.lines = lines;
  return r;
}

class WorkDiffTest : public ::testing::Test {
 protected:
  void SetUp() override { Init_Globals(G); }

  void Ancestor(NodeData r) { AddListNode(1, std::move(r), ancestor); }
  void Latest(NodeData r) { AddListNode(1, std::move(r), latest); }

  void Match() {
    OutputCapture capture(G);
    MatchWorkLists(ancestor, latest, diff, totals, G);
    output = capture.Take();
  }

  // "name state" for every difference record, in list order.
  std::vector<std::string> States() {
    std::vector<std::string> out;
    for (const NodeData& r : diff) {
      out.push_back(r.name + " " + kStateNames[r.state()]);
    }
    return out;
  }

  const NodeData& Find(const std::string& name) {
    for (const NodeData& r : diff) {
      if (r.name == name) return r;
    }
    static const NodeData none;
    ADD_FAILURE() << "no record " << name;
    return none;
  }

  Globals G;
  Llist<NodeData> ancestor, latest, diff;
  WorkSums totals;
  std::string output;
};

TEST_F(WorkDiffTest, ClassifiesEveryFileOfBothSnapshots) {
  Ancestor(Rec("gone.c", 500, 40, 30, 20, 6, 10, 5, 55));
  Ancestor(Rec("same.c", 300, 20, 15, 10, 3, 4, 3, 27));
  Ancestor(Rec("changed.c", 800, 50, 40, 30, 9, 12, 8, 70));
  Latest(Rec("same.c", 310, 20, 15, 10, 3, 4, 3, 27));
  Latest(Rec("changed.c", 900, 60, 48, 36, 11, 14, 9, 83));
  Latest(Rec("added.c", 150, 10, 8, 5, 2, 2, 2, 14));
  Match();
  EXPECT_EQ(output, "");
  EXPECT_EQ(States(), (std::vector<std::string>{"added.c New", "changed.c Mod",
                                                "gone.c Rem", "same.c Equ"}));

  const NodeData& mod = Find("changed.c");
  EXPECT_EQ(mod.params, 100);
  EXPECT_EQ(mod.loc, 10);
  EXPECT_EQ(mod.eloc, 8);
  EXPECT_EQ(mod.lines, 13);
  EXPECT_FLOAT_EQ(mod.ratio, 20.0f);

  // Only the size of an equal file differs, and only that is kept.
  const NodeData& equ = Find("same.c");
  EXPECT_EQ(equ.params, 10);
  EXPECT_EQ(equ.loc + equ.eloc + equ.lloc + equ.cyclo + equ.lines, 0);
  EXPECT_FLOAT_EQ(equ.ratio, 0.0f);

  const NodeData& rem = Find("gone.c");
  EXPECT_EQ(rem.params, -500);
  EXPECT_EQ(rem.loc, -40);
  EXPECT_EQ(rem.lines, -55);
  EXPECT_FLOAT_EQ(rem.ratio, -100.0f);

  EXPECT_EQ(Find("added.c").loc, 10);
  EXPECT_FLOAT_EQ(Find("added.c").ratio, 100.0f);

  // Latest - ancestor over everything.
  EXPECT_EQ(totals.loc, 90 - 110);
  EXPECT_EQ(totals.eloc, 71 - 85);
  EXPECT_EQ(totals.lines, 124 - 152);
  EXPECT_EQ(totals.size, 1360 - 1600);
}

TEST_F(WorkDiffTest, NamesDifferingOnlyInCaseAreDifferentFiles) {
  Ancestor(Rec("A.c", 1, 1, 1, 1, 1, 1, 1, 1));
  Latest(Rec("a.c", 1, 1, 1, 1, 1, 1, 1, 1));
  Match();
  EXPECT_EQ(States(), (std::vector<std::string>{"A.c Rem", "a.c New"}));
}

TEST_F(WorkDiffTest, RepeatedNamesArePairedOnceEach) {
  Ancestor(Rec("d.c", 1, 5, 5, 5, 1, 0, 0, 5));
  Ancestor(Rec("d.c", 1, 5, 5, 5, 1, 0, 0, 5));
  Latest(Rec("d.c", 1, 5, 5, 5, 1, 0, 0, 5));
  Latest(Rec("t.c", 1, 2, 2, 2, 1, 0, 0, 2));
  Latest(Rec("t.c", 1, 2, 2, 2, 1, 0, 0, 2));
  Ancestor(Rec("t.c", 1, 2, 2, 2, 1, 0, 0, 2));
  Match();
  EXPECT_EQ(States(), (std::vector<std::string>{"d.c Rem", "d.c Equ",
                                                "t.c New", "t.c Equ"}));
  // Each latest record counts once: only the unpaired ones differ.
  EXPECT_EQ(totals.loc, -5 + 2);
}

TEST_F(WorkDiffTest, TheStateKeyGroupsNewModifiedEqualRemoved) {
  for (const char* name : {"c.c", "a.c", "b.c", "d.c"}) {
    Ancestor(Rec(name, 1, 10, 10, 10, 1, 1, 1, 12));
  }
  Latest(Rec("a.c", 1, 11, 10, 10, 1, 1, 1, 13));  // modified
  Latest(Rec("b.c", 1, 10, 10, 10, 1, 1, 1, 12));  // equal
  Latest(Rec("x.c", 1, 1, 1, 1, 1, 1, 1, 1));      // new
  Latest(Rec("c.c", 1, 9, 9, 9, 1, 1, 1, 11));     // modified
  Match();
  LlistResort_NodeData(diff, 6);
  EXPECT_EQ(States(), (std::vector<std::string>{"x.c New", "a.c Mod",
                                                "c.c Mod", "b.c Equ",
                                                "d.c Rem"}));
}

TEST_F(WorkDiffTest, HtmlFileLinesEscapeTheName) {
  NodeData r = Rec("a<b>.c", 10, 10, 8, 6, 2, 2, 1, 13);
  r.state() = kModified;
  r.ratio = 20.0f;
  DiffProfile profile;
  G.html_flag = 1;
  EXPECT_EQ(Capture(G, [&](Globals& g) { DiffDataShow(r, profile, g, g); }),
            "<FONT COLOR=BLUE><B>  Mod </B></FONT>     10       8       6     "
            "  2       2       1      13    20.00 <FONT COLOR=BLUE>a&lt;b&gt;.c"
            "</FONT>\n");
  EXPECT_EQ(profile.rows[kModified].count, 1);
}

TEST_F(WorkDiffTest, LongNamesWrapUnderTheNameColumn) {
  NodeData r = Rec(std::string(45, 'n'), 0, 1, 1, 1, 1, 1, 1, 1);
  r.state() = kNew;
  r.ratio = 100.0f;
  DiffProfile profile;
  EXPECT_EQ(Capture(G, [&](Globals& g) { DiffDataShow(r, profile, g, g); }),
            "  New       1       1       1       1       1       1       1"
            "   100.00 " +
                std::string(40, 'n') + "\n" + std::string(71, ' ') + "nnnnn\n");
}

TEST_F(WorkDiffTest, TimeSpanCountsWorkingHoursDaysWeeksAndMonths) {
  const TimeSpan two_weeks = WorkTimeSpan(1698790400, 1700000000);
  EXPECT_DOUBLE_EQ(two_weeks.days, 10.0);
  EXPECT_DOUBLE_EQ(two_weeks.hours, 80.0);
  EXPECT_DOUBLE_EQ(two_weeks.weeks, 2.0);
  EXPECT_DOUBLE_EQ(two_weeks.months, 0.5);
  // The widest possible span does not overflow.
  EXPECT_GT(WorkTimeSpan(INT64_MIN, INT64_MAX).hours, 1e15);
}

}  // namespace

TEST_F(WorkDiffTest, AChangeInAnySingleCountMakesAFileModified) {
  // A comment added to a code line changes the comment count alone.
  using Field = int32_t NodeData::*;
  const Field fields[] = {&NodeData::loc,      &NodeData::eloc,
                          &NodeData::lloc,     &NodeData::cyclo,
                          &NodeData::comments, &NodeData::blanks,
                          &NodeData::lines};
  for (size_t k = 0; k < std::size(fields); ++k) {
    const Field field = fields[k];
    ancestor = {};
    latest = {};
    diff = {};
    totals = {};
    NodeData before = Rec("a.c", 300, 20, 15, 10, 3, 4, 3, 27);
    NodeData after = before;
    after.*field += 1;
    Ancestor(before);
    Latest(after);
    Match();
    EXPECT_EQ(States(), (std::vector<std::string>{"a.c Mod"}))
        << "count " << k;
  }
}
