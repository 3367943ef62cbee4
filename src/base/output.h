// The output stream and the line shapes every report shares: formatted
// writes, centred titles, rules and section banners, HTML escaping.
#ifndef KLV_BASE_OUTPUT_H_
#define KLV_BASE_OUTPUT_H_

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/globals.h"

#define KLV_PRINTF(fmt_index, first_arg) \
  __attribute__((format(printf, fmt_index, first_arg)))

// Makes a report stream (standard output, or the file of -O) unbuffered:
// report text is collected here and handed over in large blocks, which
// then go out without a second copy. Call before the first write.
void UnbufferReportStream(FILE* stream);

// Report text is collected and handed to the output stream in large
// blocks. Hands over what is waiting: call before writing to the output
// stream (or standard output) by other means, before closing it, and at
// the end of the run.
void FlushOutput();
// Keeps report text back from now on, until ReleaseOutput: the report file
// is not touched before the run knows it may write there.
void HoldOutput();
// Hands the text kept back to `stream`, which is the output stream from
// now on (null: the text is dropped), and stops keeping text back.
void ReleaseOutput(FILE* stream);
// Whether report text is being kept back.
bool OutputHeld();
// One block of report text: the first `used` bytes of `room`.
struct TextBlock {
  std::string room;
  size_t used = 0;
  std::string_view text() const { return std::string_view(room).substr(0, used); }
};

// The report text this thread has not yet handed to its stream, and how it
// hands it over.
struct PendingReport {
  std::string text;  // the first `used` bytes; the rest is room for more
  size_t used = 0;
  // Text kept back (`held`) fills blocks of about 64 KiB, which wait here in
  // order, before `text`: a long text never grows, copies or clears one
  // large buffer, and its blocks are reused once written.
  std::vector<TextBlock> sealed;
  FILE* stream = nullptr;
  bool terminal = false;  // the stream is a terminal: written at once
  bool held = false;      // kept back until ReleaseOutput
  int error = 0;          // the first failed hand-over's errno
};

// Report text kept apart, in blocks to be written one after the other.
struct HeldText {
  std::vector<TextBlock> blocks;
  size_t Bytes() const {
    size_t bytes = 0;
    for (const TextBlock& block : blocks) bytes += block.used;
    return bytes;
  }
};

// Writes report text kept apart to G's output stream, in order, and keeps
// its blocks for reuse by ApartOutput.
void OutHeldText(ReportSink& G, HeldText& text);

// Keeps the report text this thread writes while it lives apart from the
// text the thread has waiting for its stream: the report text of a file
// analysed apart in a parallel run, on a worker or on the main thread.
class ApartOutput {
 public:
  // `stream` is the run's output stream, where the text will go.
  explicit ApartOutput(FILE* stream);
  ~ApartOutput();
  ApartOutput(const ApartOutput&) = delete;
  ApartOutput& operator=(const ApartOutput&) = delete;
  // The text kept apart so far, which is forgotten. Write it with
  // OutHeldText.
  HeldText Take();

 private:
  PendingReport saved_;  // the thread's own, put back at the end
};
// The first error met handing report text to a stream since the last call
// (an errno value; 0 when every write succeeded), and forgets it.
int TakeOutputError();

// One formatted write to the run's output stream.
void Out(ReportSink& G, const char* fmt, ...) KLV_PRINTF(2, 3);
// Writes text unchanged to the output stream.
void OutText(ReportSink& G, std::string_view text);
// Writes the pieces one after the other, unchanged, as one write.
void OutPieces(ReportSink& G, std::initializer_list<std::string_view> pieces);
// A progress message on standard output, written only when the report
// goes to a file.
void Progress(Globals& G, const char* fmt, ...) KLV_PRINTF(2, 3);
// Progress text kept by a file analysed apart, shown at its merge.
void ShowProgress(ReportSink& G, std::string_view text);
// printf-style formatting into a string of any length.
std::string Fmt(const char* fmt, ...) KLV_PRINTF(1, 2);

// Writes `title` centred about column 38, then a newline.
void Center(ReportSink& G, const char* title);
// Centres by the length of `plain` but writes `decorated`.
void Center_HTML(ReportSink& G, const char* plain, const char* decorated);
// Centred title, in HTML wrapped in the header colour.
void CenterTitle(ReportSink& out, const RunSettings& G, const char* title);

// "  " and 72 underscores, then an empty line.
void UnderscoreRule(ReportSink& G);
// "  " and 72 hyphens.
void HyphenRule(ReportSink& G);
// An empty line, the hyphen rule, an empty line and the centred title.
void SectionBanner(ReportSink& out, const RunSettings& G, const char* title);

// A report label as written: unchanged in text mode; in HTML mode bold from
// its first non-blank up to and including its first colon, as in
// "  <B>Total LOC ...:</B> ". A label without a colon is left as it is.
std::string BoldLabel(const char* text, const RunSettings& G);

// `text` with <, > and & written as HTML entities; inside an attribute
// value (`in_attribute`) the quotes " and ' as well. Everything a report
// takes from outside the program (file names, names from the source, the
// page header) goes through here in HTML mode.
std::string HTML_template(std::string_view text, bool in_attribute = false);

// Two runs of 36 of `c`.
std::string Rule72(char c);

#endif  // KLV_BASE_OUTPUT_H_
