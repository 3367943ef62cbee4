#include "base/clock.h"
#include "reports/framing.h"
#include "base/output.h"

namespace {

void PageHead(ReportSink& out, const RunSettings& G) {
  Out(out, "<HTML><HEAD><TITLE>Tarvelon %s</TITLE></HEAD><BODY><PRE><P>",
      G.version.c_str());
  const bool colours_set = !G.html_text_color.empty() &&
                           !G.html_vlink_color.empty() &&
                           !G.html_link_color.empty();
  if (!G.html_background_color.empty()) {
    if (colours_set) {
      Out(out, "<BODY BGCOLOR=%s TEXT=%s, VLINK=%s, LINK=%s>\n",
          G.html_background_color.c_str(), G.html_text_color.c_str(),
          G.html_vlink_color.c_str(), G.html_link_color.c_str());
    } else {
      Out(out, "<BODY BGCOLOR=%s TEXT=#000000 VLINK=#660099 LINK=#0000EE>\n",
          G.html_background_color.c_str());
    }
  } else if (colours_set) {
    Out(out, "<BODY TEXT=%s, VLINK=%s, LINK=%s>\n", G.html_text_color.c_str(),
        G.html_vlink_color.c_str(), G.html_link_color.c_str());
  } else {
    Out(out, "<BODY TEXT=#000000 VLINK=#660099 LINK=#0000EE>\n");
  }
}

}  // namespace

void ShowHeader(ReportSink& out, const RunSettings& G, int syntax_error) {
  if (G.html_flag) {
    PageHead(out, G);
    Out(out, "\n<FONT COLOR=%s><B>\n", G.html_blue_color.c_str());
    Center(out, "Tarvelon for C, C++ and Java");
    Center(out, Fmt("Vistrel Version %s", G.version.c_str()).c_str());
    Out(out, "</B></FONT>\n");
  } else {
    Out(out, "\n");
    Center(out, "Tarvelon for C, C++ and Java");
    Center(out, Fmt("Version %s", G.version.c_str()).c_str());
  }
  // The run-date label stands in column 41.
  const std::string now = CtimeText(Now());
  if (G.html_flag) {
    Out(out, "%40s<B>Run Date</B>: %s", "", now.c_str());
  } else {
    Out(out, "%40sRun Date: %s", "", now.c_str());
  }
  UnderscoreRule(out);
  if (syntax_error) {
    if (G.html_flag) {
      Out(out,
          "<FONT COLOR=%s><B>  Command Line Syntax Error, Try -hs for "
          "help...\n</FONT></B>",
          G.html_red_color.c_str());
    } else {
      Out(out, "  Command Line Syntax Error, Try -hs for help...\n");
    }
    Out(out, "  ");
    for (int k = 0; k < G.arg_count && G.arg_values != nullptr; ++k) {
      Out(out, "%s ", G.arg_values[k]);
    }
    Out(out, "\n\n");
  }
  ShowFMCHeader(out, G);
}

void ShowFMCHeader(ReportSink& out, const RunSettings& G) {
  if (G.notice_format_visual && G.notice_list_flag) {
    Center(out, "Visual Studio Code Quality Notices");
    Out(out,
        "\n  Double click any notice in the Visual Studio output window to\n"
        "  jump to the specified line number\n\n");
  }
  if (G.totals_flag) return;
  const struct {
    int on;
    const char* title;
  } titles[] = {
      {G.macro_flag && !G.notice_flag, "~~ Macro Metrics ~~"},
      {G.function_list_flag || G.function_flag, "~~ Function Metrics ~~"},
      {G.object_flag, "~~ Class/Struct Metrics ~~"},
      {G.template_mode_flag, "~~ Template Identification ~~"},
      {G.line_display_flag, "~~ Determine Source vs. LOC Algorithms ~~"},
      {G.comment_doc_flag, "~~ Comment Documentation ~~"},
      {G.complexity_flag, "~~ Complexity Analysis ~~"},
      {G.notice_flag, "~~ Quality Analysis ~~"},
      {G.memory_flag, "~~ Memory Allocation/De-allocation Metrics ~~"},
      {G.extract_strings, "~~ Literal String Extraction Mode ~~"},
      {G.extract_comments, "~~ Comment Extraction Mode ~~"},
  };
  for (const auto& t : titles) {
    if (t.on) CenterTitle(out, G, t.title);
  }
}
