#include <sys/stat.h>

#include "base/clock.h"
#include "reports/framing.h"
#include "base/output.h"

std::string PathFile(std::string& path, const RunSettings& G) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) {
    path.pop_back();
  }
  if ((!path.empty() && path[0] == '/') || (path.size() > 1 && path[1] == ':')) {
    return path;
  }
  if (G.relative_html_links) return path;
  if (path.size() > 1 && path[0] == '.' && (path[1] == '/' || path[1] == '\\')) {
    return G.current_dir + path.substr(1);
  }
  return G.current_dir + "/" + path;
}

std::string HTMLPathFile(const std::string& path, const RunSettings& G) {
  std::string copy = path;
  std::string href = G.relative_html_links ? "" : "file://";
  href += PathFile(copy, G);
  return HTML_template(href, true);
}

void EmitFilename(const std::string& path, Globals& G) {
  struct stat st {};
  const bool have_status = stat(path.c_str(), &st) == 0;
  if (have_status) {
    G.file_size = st.st_size;
    G.file_mtime = st.st_mtime;
  }
  std::string date;
  if (have_status) {
    date = CtimeText(st.st_mtime);
    if (!date.empty() && date.back() == '\n') date.pop_back();
  }
  if (!G.totals_flag) {
    const std::string shown = AdjNameLength(path, 66, 8, G);
    if (G.html_flag) {
      Out(G, "\n  <B>File</B>: <a href=\"%s\">%s</a>\n",
          HTMLPathFile(path, G).c_str(), HTML_template(shown).c_str());
    } else {
      Out(G, "\n  File: %s\n", shown.c_str());
    }
    if (have_status) {
      const long long size = static_cast<long long>(st.st_size);
      if (G.html_flag) {
        Out(G, "  <B>Date</B>: %s", date.c_str());
        Out(G, "%49s\n", Fmt("<B>File Size</B>: %lld Bytes", size).c_str());
      } else {
        Out(G, "  Date: %s", date.c_str());
        Out(G, "%42s\n", Fmt("File Size: %lld Bytes", size).c_str());
      }
    }
    if (!G.report_option_flag && !G.summary_flag) {
      Out(G, "\n");
      return;
    }
    if (G.report_option_flag) UnderscoreRule(G);
    return;
  }
  if (G.no_file_names) return;
  const std::string shown = AdjNameLength(path, 72, 2, G);
  if (have_status) {
    if (G.html_flag) {
      Out(G, "\n  <FONT COLOR=GREEN><B>%s</B></FONT>", date.c_str());
    } else {
      Out(G, "\n  %s", date.c_str());
    }
  }
  if (G.html_flag) {
    Out(G, "\n  <a href=\"%s\"><B>%s</B></a>\n", HTMLPathFile(path, G).c_str(),
        HTML_template(shown).c_str());
  } else {
    Out(G, "\n  %s\n", shown.c_str());
  }
}

void EndOfFileTrailer(const std::string& path, Globals& G) {
  const std::string shown = AdjNameLength(path, 59, 15, G);
  Out(G, "  %s\n", Rule72('_').c_str());
  if (G.html_flag) {
    std::string text = Fmt("<B>%s</B><a href=\"%s\">%s</a>\n", "End of File: ",
                           HTMLPathFile(path, G).c_str(),
                           HTML_template(shown).c_str());
    Out(G, "  %s\n\n", text.c_str());
  } else {
    Out(G, "  End of File: %s\n\n", shown.c_str());
  }
}

void ProjectTitle(ReportSink& out, const Globals& G) {
  Out(out, "\n");
  std::string plain =
      Fmt("~~ Project Analysis For %d Files ~~", G.total_files);
  if (G.html_flag) {
    std::string decorated =
        Fmt("%s<FONT COLOR=%s>%d</FONT>%s", "<B>~~ Total Metrics For ",
            G.html_red_color.c_str(), G.total_files, " Files ~~</B>");
    Center_HTML(out, plain.c_str(), decorated.c_str());
  } else {
    Center(out, plain.c_str());
  }
}
