#include "base/output.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

#include "base/format.h"

namespace {

// Report text not yet handed to its stream. Reports are written in many
// small pieces; collecting them here and handing them over in large blocks
// keeps the stream's per-call cost out of every line. Each thread keeps its
// own: a file analysed apart in a parallel run keeps its report text apart
// (ApartOutput) and hands it to the merge step; only the main thread
// writes.
thread_local PendingReport pending;

constexpr size_t kHandOver = 1 << 16;
// Room left for one formatted line before text kept back moves on.
constexpr size_t kLineRoom = 1024;

// Makes the pending text belong to G's output stream, handing over what an
// earlier stream still had waiting.
inline PendingReport& BeginWrite(ReportSink& G) {
  PendingReport& p = pending;
  if (p.stream != G.output) {
    FlushOutput();
    const int saved_errno = errno;  // callers report errno after writing
    p.stream = G.output;
    const int fd = G.output != nullptr ? fileno(G.output) : -1;
    p.terminal = fd >= 0 && isatty(fd) == 1;
    errno = saved_errno;
  }
  return p;
}

// Room for `n` more bytes of pending text, when the current buffer has too
// little: text kept back moves on to a fresh block, other text grows its
// buffer.
[[gnu::noinline]] void MakeRoom(PendingReport& p, size_t n);

// Room for `n` more bytes of pending text; returns where they go.
inline char* Room(PendingReport& p, size_t n) {
  if (p.text.size() - p.used < n) MakeRoom(p, n);
  return p.text.data() + p.used;
}

inline void EndWrite(PendingReport& p) {
  if (!p.held && (p.used >= kHandOver || p.terminal)) FlushOutput();
}

// Hands `size` bytes to the pending text's stream, keeping the first
// error met.
void HandOver(PendingReport& p, const char* data, size_t size) {
  if (size == 0 || p.stream == nullptr) return;
  const int saved_errno = errno;
  errno = 0;
  // Only the main thread writes report streams: no stream locking.
  if (fwrite_unlocked(data, 1, size, p.stream) != size && p.error == 0) {
    p.error = errno != 0 ? errno : EIO;
  }
  errno = saved_errno;
}

// Blocks of report text kept back, handed back for reuse once written out,
// by whichever thread wrote them: a file's text then fills memory that is
// already mapped and mostly in the cache.
constexpr size_t kBlockRoom = kHandOver + 4096;
constexpr size_t kSpareBlocks = 512;  // 34 MB at most kept for reuse
struct BlockRooms {
  std::mutex mutex;
  std::vector<std::string> spare;
};
BlockRooms block_rooms;

std::string TakeBlockRoom() {
  {
    std::lock_guard<std::mutex> lock(block_rooms.mutex);
    if (!block_rooms.spare.empty()) {
      std::string room = std::move(block_rooms.spare.back());
      block_rooms.spare.pop_back();
      return room;
    }
  }
  return std::string(kBlockRoom, '\0');
}

void GiveBlockRoom(std::string room) {
  if (room.size() < kBlockRoom || room.size() > 4 * kBlockRoom) return;
  std::lock_guard<std::mutex> lock(block_rooms.mutex);
  if (block_rooms.spare.size() < kSpareBlocks) {
    block_rooms.spare.push_back(std::move(room));
  }
}

// Moves the text of the current block, when there is any, to the sealed
// blocks; the current block is then empty and has no room.
void SealBlock(PendingReport& p) {
  if (p.used == 0) return;
  p.sealed.push_back({std::move(p.text), p.used});
  p.text = std::string();
  p.used = 0;
}

void MakeRoom(PendingReport& p, size_t n) {
  if (p.held) {
    SealBlock(p);
    if (p.text.empty()) p.text = TakeBlockRoom();
    if (p.text.size() >= n) return;
  }
  p.text.resize(std::max(p.text.size() * 2, p.used + n + 4096));
}

}  // namespace

void FlushOutput() {
  PendingReport& p = pending;
  if (p.held) return;
  if (!p.sealed.empty()) {
    for (TextBlock& block : p.sealed) {
      HandOver(p, block.room.data(), block.used);
      GiveBlockRoom(std::move(block.room));
    }
    p.sealed.clear();
  }
  HandOver(p, p.text.data(), p.used);
  p.used = 0;
}

void HoldOutput() {
  FlushOutput();
  pending.held = true;
}

void ReleaseOutput(FILE* stream) {
  PendingReport& p = pending;
  if (!p.held) return;
  p.held = false;
  p.stream = stream;
  const int fd = stream != nullptr ? fileno(stream) : -1;
  p.terminal = fd >= 0 && isatty(fd) == 1;
  FlushOutput();
}

bool OutputHeld() { return pending.held; }

void OutHeldText(ReportSink& G, HeldText& text) {
  for (TextBlock& block : text.blocks) {
    OutText(G, block.text());
    GiveBlockRoom(std::move(block.room));
  }
  text.blocks.clear();
}

ApartOutput::ApartOutput(FILE* stream) {
  std::swap(saved_, pending);
  pending.stream = stream;
  pending.held = true;
}

ApartOutput::~ApartOutput() {
  GiveBlockRoom(std::move(pending.text));
  for (TextBlock& block : pending.sealed) GiveBlockRoom(std::move(block.room));
  std::swap(saved_, pending);
}

HeldText ApartOutput::Take() {
  PendingReport& p = pending;
  if (p.used > 0 && p.used < kBlockRoom / 4) {
    // A short text, the whole report of most files, is copied out and its
    // block stays for the next file: a file waiting for its merge holds
    // the text it wrote, not a block mostly empty.
    p.sealed.push_back({std::string(p.text.data(), p.used), p.used});
    p.used = 0;
  }
  SealBlock(p);
  HeldText held{std::move(pending.sealed)};
  pending.sealed = std::vector<TextBlock>();
  return held;
}

int TakeOutputError() {
  const int error = pending.error;
  pending.error = 0;
  return error;
}

void Out(ReportSink& G, const char* fmt, ...) {
  PendingReport& p = BeginWrite(G);
  // Most formatted lines are short: text kept back moves on to a fresh
  // block before a line could outgrow the one it fills.
  if (p.held && p.text.size() - p.used < kLineRoom) MakeRoom(p, kLineRoom);
  va_list args;
  va_start(args, fmt);
  FormatInto(p.text, p.used, fmt, args);
  va_end(args);
  EndWrite(p);
}

void UnbufferReportStream(FILE* stream) { setvbuf(stream, nullptr, _IONBF, 0); }

void OutPieces(ReportSink& G, std::initializer_list<std::string_view> pieces) {
  PendingReport& p = BeginWrite(G);
  size_t total = 0;
  for (const std::string_view piece : pieces) total += piece.size();
  char* to = Room(p, total);
  for (const std::string_view piece : pieces) {
    if (piece.empty()) continue;
    memcpy(to, piece.data(), piece.size());
    to += piece.size();
  }
  p.used += total;
  EndWrite(p);
}

void OutText(ReportSink& G, std::string_view text) {
  if (text.empty()) return;
  PendingReport& p = BeginWrite(G);
  if (text.size() >= kHandOver / 4 && !p.held) {
    // A large block (a file's report text in a parallel run) goes to the
    // stream as it is, after what is waiting.
    FlushOutput();
    HandOver(p, text.data(), text.size());
    return;
  }
  memcpy(Room(p, text.size()), text.data(), text.size());
  p.used += text.size();
  EndWrite(p);
}

void Progress(Globals& G, const char* fmt, ...) {
  if (G.output == stdout) return;
  va_list args;
  va_start(args, fmt);
  if (G.apart.active) {
    // A file analysed apart shows its progress when it is merged.
    size_t end = G.apart.progress.size();
    if (!FormatInto(G.apart.progress, end, fmt, args)) end = 0;
    G.apart.progress.resize(end);
  } else {
    vfprintf(stdout, fmt, args);
    fflush(stdout);
  }
  va_end(args);
}

void ShowProgress(ReportSink& G, std::string_view text) {
  if (G.output == stdout || text.empty()) return;
  fwrite(text.data(), 1, text.size(), stdout);
  fflush(stdout);
}

std::string Fmt(const char* fmt, ...) {
  std::string s;
  size_t end = 0;
  va_list args;
  va_start(args, fmt);
  if (!FormatInto(s, end, fmt, args)) end = 0;
  va_end(args);
  s.resize(end);
  return s;
}

void Center_HTML(ReportSink& G, const char* plain, const char* decorated) {
  if (plain == nullptr || decorated == nullptr) return;
  int half = static_cast<int>(strlen(plain) / 2);
  std::string line(1, ' ');
  if (37 - half > 0) line.append(static_cast<size_t>(37 - half), ' ');
  line += decorated;
  line += '\n';
  OutText(G, line);
}

void Center(ReportSink& G, const char* title) { Center_HTML(G, title, title); }

void CenterTitle(ReportSink& out, const RunSettings& G, const char* title) {
  if (G.html_flag) Out(out, "<B><FONT COLOR=%s>", G.html_header_color.c_str());
  Center(out, title);
  if (G.html_flag) Out(out, "</FONT></B>");
}

std::string Rule72(char c) { return std::string(72, c); }

void UnderscoreRule(ReportSink& G) { Out(G, "  %s\n\n", Rule72('_').c_str()); }

void HyphenRule(ReportSink& G) { Out(G, "  %s\n", Rule72('-').c_str()); }

void SectionBanner(ReportSink& out, const RunSettings& G, const char* title) {
  Out(out, "\n  %s\n\n", Rule72('-').c_str());
  CenterTitle(out, G, title);
}

std::string BoldLabel(const char* text, const RunSettings& G) {
  std::string s = text;
  if (!G.html_flag) return s;
  const size_t colon = s.find(':');
  if (colon == std::string::npos) return s;
  s.insert(colon + 1, "</B>");
  s.insert(s.find_first_not_of(' '), "<B>");
  return s;
}

std::string HTML_template(std::string_view text, bool in_attribute) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (in_attribute && (c == '"' || c == '\'')) {
      out += c == '"' ? "&quot;" : "&#39;";
      continue;
    }
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      default:
        out += c;
    }
  }
  return out;
}
