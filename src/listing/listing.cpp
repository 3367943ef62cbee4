#include "listing/listing.h"

#include <sys/stat.h>

#include <cmath>

#include "base/clock.h"
#include "base/line_reader.h"
#include "base/exit_request.h"
#include "base/error_block.h"
#include "base/output.h"

double Ceil(double value) { return std::ceil(value); }

void SetLeftMargin(RunSettings& G) {
  if (G.left_margin > 0) {
    G.left_margin_text.append(static_cast<size_t>(G.left_margin), ' ');
  }
}

void SetBars(Globals& G) {
  const size_t width = G.line_length > 0 ? static_cast<size_t>(G.line_length) : 0;
  G.top_bar = G.left_margin_text + std::string(width, '_') + "\n\n";
  G.bottom_bar = G.left_margin_text + std::string(width, '_') + "\n";
  const int title_length = static_cast<int>(G.listing_header.size());
  if (title_length > G.line_length) {
    OutError(G, {Fmt("The Specified header length (%d) exceeds", title_length),
                 Fmt("the available line length (%d). ", G.line_length),
                 "Header: " + G.listing_header});
    throw ExitRequest{1};
  }
  const double lead = Ceil(G.line_length / 2.0 - title_length / 2.0 +
                           G.left_margin);
  G.title_line = std::string(lead > 0 ? static_cast<size_t>(lead) : 0, ' ') +
                 G.listing_header + "\n";
}

void PutTopMargin(ReportSink& out, const RunSettings& G) {
  for (int k = 0; k < G.top_margin; ++k) Out(out, "\n");
}

void SetHeaderLine(const std::string& path, int page, ReportSink& out,
                   const RunSettings& G) {
  OutText(out, G.html_flag ? HTML_template(G.title_line) : G.title_line);
  std::string file_line = G.left_margin_text + "File: " + path;
  // One blank at a time while fewer than half the line length minus half
  // the line built so far.
  for (long count = 0;
       count < G.line_length / 2 - static_cast<long>(file_line.size()) / 2;
       ++count) {
    file_line += ' ';
  }
  const std::string page_text = std::to_string(page);
  const long pad = static_cast<long>(G.left_margin) + G.line_length -
                   static_cast<long>(file_line.size()) -
                   static_cast<long>(page_text.size()) - 6;
  if (pad > 0) file_line.append(static_cast<size_t>(pad), ' ');
  if (!G.no_page_breaks) file_line += "Page: " + page_text;
  file_line += "\n";
  OutText(out, G.html_flag ? HTML_template(file_line) : file_line);
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    OutText(out, G.left_margin_text + "Date: " + CtimeText(st.st_mtime));
  } else {
    OutText(out, G.left_margin_text);
  }
  OutText(out, G.top_bar);
}

int PutLine(const std::string& line, long line_no, ReportSink& sink,
            const RunSettings& G) {
  const size_t width = G.line_length > 7 ? static_cast<size_t>(G.line_length - 7) : 1;
  std::string out = G.left_margin_text + Fmt("%5ld| ", line_no);
  int pieces = 1;
  if (line.size() <= width) {
    out += line;
  } else {
    out.append(line, 0, width);
    out += '\n';
    for (size_t from = width; from < line.size(); from += width) {
      out += G.left_margin_text + "     | ";
      out.append(line, from, width);
      if (from + width < line.size()) out += '\n';
      ++pieces;
    }
  }
  // A last line without a line end still ends its printed line, so the
  // page rule that follows keeps its own line.
  if (line.empty() || line.back() != '\n') out += '\n';
  if (G.html_flag) out = HTML_template(out);
  OutText(sink, out);
  return pieces;
}

void PrintCode(FILE* in, const std::string& path, Globals& G) {
  if (G.html_flag) G.no_page_breaks = 1;
  PutTopMargin(G, G);
  int page = 1;
  SetHeaderLine(path, page, G, G);
  long count = G.top_margin + 1;
  long line_no = 1;
  LineReader reader(in);
  std::string line;
  while (reader.NextLine(line)) {
    count += PutLine(line, line_no, G, G);
    if (!G.no_page_breaks && count > G.page_length - 6) {
      Out(G, "%s\f\n", G.bottom_bar.c_str());
      PutTopMargin(G, G);
      SetHeaderLine(path, ++page, G, G);
      count = G.top_margin + 1;
    }
    ++line_no;
  }
  if (!G.no_page_breaks) {
    while (count <= G.page_length - 6) {
      Out(G, "\n");
      ++count;
    }
  }
  Out(G, "%s\n", G.bottom_bar.c_str());
}
