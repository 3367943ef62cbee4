// Reads a stream in pieces the way the analysis sees lines: each piece ends
// after a line feed or after 4,094 characters, whichever comes first.
#ifndef KLV_BASE_LINE_READER_H_
#define KLV_BASE_LINE_READER_H_

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class LineReader {
 public:
  static constexpr size_t kMaxPiece = 4094;
  // Zeros after the data read: sixteen characters are tested at a time,
  // and a view's terminator may fall just past the data.
  static constexpr size_t kPad = 16;

  // The reader buffers the stream itself, so the stream's own buffer is
  // switched off before the first read.
  explicit LineReader(FILE* in)
      : in_(in),
        buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize + kPad)),
        data_(buffer_.get()) {
    setvbuf(in_, nullptr, _IONBF, 0);
  }
  // Reads the `length` bytes at `text`, which has room for kPad more after
  // them; the reader writes there and, while reading, into the text
  // itself, restoring it as it goes.
  LineReader(char* text, size_t length)
      : in_(nullptr), data_(text), len_(length) {
    memset(data_ + len_, 0, kPad);
  }

  // Reads the next piece into `line` (cleared first). Returns false when
  // nothing was left to read. `at_end` tells whether the read ran into the
  // end of the stream, as a stdio line read would report it.
  bool Next(std::string& line, bool& at_end);

  // The next piece to analyse; false when the file is done. A final piece
  // without a line end is analysed unless it starts with a byte of value 11
  // or less taken as a signed character (a TAB, a control character or a
  // byte of 128 and above).
  bool NextLine(std::string& line);

  // The pieces of NextLine without a copy: the piece as its C string
  // reads (up to a NUL in it), with a terminator after it, valid until the
  // next call. Most lie in the reader's buffer; one that crosses a refill
  // or holds a NUL is gathered apart.
  bool NextView(std::string_view& line);

  // The errno of a failed read, 0 when the stream was read to its end: a
  // read error ends the pieces like the end of the stream does.
  int error() const { return error_; }

 private:
  bool Fill();
  // Puts back the character the last view's terminator covered.
  void Unpatch() {
    if (patched_ != nullptr) {
      *patched_ = saved_;
      patched_ = nullptr;
    }
  }

  FILE* in_;
  static constexpr size_t kBufferSize = 1 << 15;
  // Filled by reads before use, so not cleared on allocation.
  std::unique_ptr<char[]> buffer_;
  char* data_;  // the buffer, or the text held in memory
  size_t pos_ = 0;
  size_t len_ = 0;
  bool eof_ = false;
  bool finished_ = false;
  int error_ = 0;
  char* patched_ = nullptr;  // where the last view's terminator stands
  char saved_ = '\0';        // the character it covers
  std::string gathered_;     // a piece that could not be viewed in place
};

#endif  // KLV_BASE_LINE_READER_H_
