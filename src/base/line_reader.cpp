#include "base/line_reader.h"

#include <cerrno>
#include <cstring>

bool LineReader::Fill() {
  if (eof_) return false;
  errno = 0;
  len_ = fread(buffer_.get(), 1, kBufferSize, in_);
  pos_ = 0;
  if (len_ == 0) {
    if (ferror(in_)) error_ = errno != 0 ? errno : EIO;
    eof_ = true;
    return false;
  }
  return true;
}

bool LineReader::Next(std::string& line, bool& at_end) {
  at_end = false;
  // Most lines lie whole in the buffer: one search and one copy.
  if (pos_ < len_) {
    const char* start = buffer_.get() + pos_;
    const size_t avail = len_ - pos_;
    const size_t span = avail < kMaxPiece ? avail : kMaxPiece;
    if (const void* nl = memchr(start, '\n', span); nl != nullptr) {
      const size_t take =
          static_cast<size_t>(static_cast<const char*>(nl) - start) + 1;
      line.assign(start, take);
      pos_ += take;
      return true;
    }
  }
  line.clear();
  while (line.size() < kMaxPiece) {
    if (pos_ == len_ && !Fill()) {
      at_end = true;
      return !line.empty();
    }
    const size_t want = kMaxPiece - line.size();
    const size_t avail = len_ - pos_;
    const size_t span = want < avail ? want : avail;
    const char* start = buffer_.get() + pos_;
    const void* nl = memchr(start, '\n', span);
    if (nl != nullptr) {
      const size_t take = static_cast<size_t>(static_cast<const char*>(nl) - start) + 1;
      line.append(start, take);
      pos_ += take;
      return true;
    }
    line.append(start, span);
    pos_ += span;
  }
  return true;
}

bool LineReader::NextLine(std::string& line) {
  if (finished_) return false;
  bool at_end = false;
  const bool got = Next(line, at_end);
  if (!at_end) return true;
  finished_ = true;
  return got && static_cast<signed char>(line[0]) > 11;
}
