// Notices raised after the last line of a file: the file-level quality
// notices and the unnumbered end-of-file warnings.
#include "base/program_files.h"
#include "notices/emit.h"
#include "notices/long_text.h"
#include "notices/notices.h"
#include "base/output.h"

namespace {

// Notices 19 and 20: a file's share of `what` below the configured minimum.
void FilePercentNotice(int n, const char* what, double percent, double limit,
                       Globals& G) {
  IssueNotice(n, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n    NOTICE #%d: File %s percentage, %.1f%% is less than "
              "%.1f%%\n",
              n, what, percent, limit);
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT> #%d: File %s percentage, "
              "<B>%.1f%%</B> is less than <B>%.1f%%</B> \n",
              G.html_notice_color.c_str(), n, what, percent, limit);
        });
  });
}

}  // namespace

void EmitFileCommentNotice(Globals& G) {
  const FileMetrics& M = G.metrics;
  const int64_t commented = int64_t{M.comment_lines} + M.loc;
  const double percent =
      commented < 1 ? 0.0 : 100.0 * M.comment_lines / commented;
  if (!(G.min_comment_percent > percent)) return;
  FilePercentNotice(20, "comment line", percent, G.min_comment_percent, G);
}

void EmitFileWhitespaceNotice(Globals& G) {
  const FileMetrics& M = G.metrics;
  const double percent =
      M.characters < 1 ? 0.0 : 100.0 * M.spaces / M.characters;
  if (!(percent < G.min_whitespace_percent)) return;
  FilePercentNotice(19, "white space", percent, G.min_whitespace_percent, G);
}

void EmitKeyStringNotice(Globals& G) {
  if (G.parse.key_string_found || !G.key_string_set) return;
  IssueNotice(21, G.metrics.lines, G, [&] {
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n    NOTICE #21: File does not contain the key string "
              "specified in the\n"
              "            %s file.\n"
              "            Key String: %s\n\n",
              kConfigFileName, G.key_string.c_str());
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT> #21: File does not "
              "contain the key string specified in the\n"
              "            %s file.\n"
              "            Key String: <B><I>%s</I></B>\n\n",
              G.html_notice_color.c_str(), kConfigFileName,
              G.key_string.c_str());
        });
  });
}

void EmitFileNotices(Globals& G) {
  EmitFileCommentNotice(G);
  EmitFileWhitespaceNotice(G);
  EmitKeyStringNotice(G);
}

bool Check_Hanging(Globals& G) {
  if (G.totals_flag) return false;
  const FileMetrics& M = G.metrics;
  const char* color = G.html_notice_color.c_str();
  if (M.openbrace_count != M.closebrace_count) {
    const char* tail =
        "            This is an indication of non-compilable code within the "
        "source\n"
        "            file.  KLV processes all source code including code "
        "wrapped\n"
        "            with preprocessor directives.  Accurate metrics requires "
        "that\n"
        "            all code present in this file must be compilable.\n";
    LongText(
        G, G,
        [&] {
          return Fmt(
              "\n    NOTICE: The end of the source file has been reached "
              "where the\n"
              "            open brace count { %d != %d } close brace count "
              "\n%s",
              M.openbrace_count, M.closebrace_count, tail);
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT>: The end of the source "
              "file has been reached where the\n"
              "            <B>open brace count { %d != %d } close brace "
              "count</B>\n%s",
              color, M.openbrace_count, M.closebrace_count, tail);
        });
  }
  if (G.parse.local_brace > 0 && G.parse.funcname_flag) {
    LongText(
        G, G,
        [&] {
          return "\n    NOTICE: The end of the source file has been reached "
                 "where "
                 "the\n"
                 "            local function scope remains open.  The last "
                 "known "
                 "function\n"
                 "            will be emitted but metrics cannot be generated "
                 "in "
                 "this\n"
                 "            condition.\n";
        },
        [&] {
          return Fmt(
              "\n    <FONT COLOR=%s>NOTICE</FONT>: The end of the source "
              "file has been reached where the\n"
              "            <B>local function scope remains open</B>.  The "
              "last known function\n"
              "            will be emitted but metrics cannot be generated "
              "in this\n"
              "            condition.\n",
              color);
        });
    return true;
  }
  return false;
}
