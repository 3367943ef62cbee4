#include "reports/summaries.h"

#include "reports/metric_lines.h"
#include "base/output.h"

void ShowTotalSummary(Globals& G, int project) {
  const FileMetrics& M = G.metrics;
  if (G.csv_mode) {
    if (!project) return;
    const int eloc = Eloc(M);
    const double ratio = CommentRatio(M.comment_lines, eloc);
    Out(G, "\n");
    Out(G, "Project,Total,LOC,eLOC,lLOC,Comment,Comment/eLOC,Lines\n");
    Out(G, " , ,%d,%d,%d,%d,%.2f,%d\n\n", M.loc, eloc, Lloc(M),
        M.comment_lines, ratio, M.lines);
    return;
  }
  if (G.report_option_flag) {
    if (!(G.function_flag && M.function_count == 0 && M.notice_count == 0)) {
      Out(G, "  %s\n\n", Rule72('-').c_str());
    }
    const char* title =
        project ? "~~ Total Project Summary ~~" : "~~ Total File Summary ~~";
    if (G.html_flag) {
      Out(G, "<B><FONT COLOR=%s>", G.html_header_color.c_str());
      Center(G, title);
      Out(G, "</FONT></B>\n");
    } else {
      Center(G, title);
      Out(G, "\n");
    }
  }
  LOCLine(M.loc, Eloc(M), Lloc(M), M.comment_lines, M.lines, G, G);
  if (G.report_option_flag && !G.summary_flag) Out(G, "\n");
}

void ShowMemorySummary(Globals& G) {
  const FileMetrics& M = G.metrics;
  if (M.alloc_count <= 0 && M.free_count <= 0 && M.new_count <= 0 &&
      M.delete_count <= 0) {
    return;
  }
  SectionBanner(G, G, "~~ Memory Allocation/De-allocation Summary ~~");
  const bool h = G.html_flag;
  Out(G, "\n%s%10d",
      h ? "  <B>Memory alloc count</B> ....: " : "  Memory alloc count ....: ",
      M.alloc_count);
  Out(G,
      h ? "  <B>Memory free count</B> .....: %10d\n"
        : "  Memory free count .....: %10d\n",
      M.free_count);
  Out(G, "%s%10d",
      h ? "  <B>Memory new count</B> ......: " : "  Memory new count ......: ",
      M.new_count);
  Out(G,
      h ? "  <B>Memory delete count</B> ...: %10d\n"
        : "  Memory delete count ...: %10d\n",
      M.delete_count);
}

void ShowFileSummary(Globals& G) {
  SectionBanner(G, G, "~~ File Summary ~~");
  const bool h = G.html_flag;
  const int64_t total = int64_t{G.c_source_count} + G.cpp_source_count +
                        G.c_header_count + G.cpp_header_count +
                        G.java_file_count + G.other_file_count;
  Out(G, "\n%s%10d",
      h ? "  <B>C Source Files <I>*.c</I></B> ....: "
        : "  C Source Files *.c ....: ",
      G.c_source_count);
  Out(G,
      h ? "  <B>C/C++ Include Files <I>*.h</I></B>: %10d\n"
        : "  C/C++ Include Files *.h: %10d\n",
      G.c_header_count);
  Out(G, "%s%10d",
      h ? "  <B>C++ Source Files <I>*.c*</I></B> .: "
        : "  C++ Source Files *.c* .: ",
      G.cpp_source_count);
  Out(G,
      h ? "  <B>C++ Include Files <I>*.h*</I></B> : %10d\n"
        : "  C++ Include Files *.h* : %10d\n",
      G.cpp_header_count);
  Out(G, "%s%10d",
      h ? "  <B>Other Source Files</B> ....: " : "  Other File Count ......: ",
      G.other_file_count);
  Out(G,
      h ? "  <B>Java Source File <I>*.jav*</I></B>: %10d\n"
        : "  Java Source File *.jav*: %10d\n",
      G.java_file_count);
  Out(G, "%s%10lld\n",
      h ? "  <B>Total File Count</B> ......: " : "  Total File Count ......: ",
      static_cast<long long>(total));
}
