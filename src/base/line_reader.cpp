#include "base/line_reader.h"

#include <bit>
#include <cerrno>
#include <cstring>

#include "base/char_classes.h"

bool LineReader::Fill() {
  if (eof_ || in_ == nullptr) {
    // A text held in memory is all there is.
    eof_ = true;
    len_ = pos_ = 0;
    return false;
  }
  errno = 0;
  len_ = fread(data_, 1, kBufferSize, in_);
  pos_ = 0;
  memset(data_ + len_, 0, kPad);
  if (len_ == 0) {
    if (ferror(in_)) error_ = errno != 0 ? errno : EIO;
    eof_ = true;
    return false;
  }
  return true;
}

bool LineReader::Next(std::string& line, bool& at_end) {
  Unpatch();
  at_end = false;
  // Most lines lie whole in the buffer: one search and one copy.
  if (pos_ < len_) {
    const char* start = data_ + pos_;
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
    const char* start = data_ + pos_;
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

bool LineReader::NextView(std::string_view& line) {
  // The last view's terminator covers this piece's first character, which
  // is put back and then known without reading it again: the search starts
  // after it, as a wide read of the byte just written would wait for the
  // write.
  const bool first_known = patched_ != nullptr;
  const char first = saved_;
  Unpatch();
  if (finished_) return false;
  if (pos_ < len_) {
    // The first line feed or NUL, sixteen characters at a time: the zeros
    // after the data stop the search there.
    char* start = data_ + pos_;
    const size_t avail = len_ - pos_;
    const size_t span = avail < kMaxPiece ? avail : kMaxPiece;
    size_t end = span;
    if (first_known && (first == '\n' || first == '\0')) {
      end = 0;
    } else {
      for (size_t k = first_known ? 1 : 0; k < span; k += 16) {
        if (const uint32_t marks =
                bytes16::EqualEither(start + k, '\n', '\0');
            marks != 0) {
          end = k + static_cast<size_t>(std::countr_zero(marks));
          break;
        }
      }
    }
    if (end < span && start[end] == '\n') {
      const size_t take = end + 1;
      pos_ += take;
      patched_ = start + take;
      saved_ = *patched_;
      *patched_ = '\0';
      line = std::string_view(start, take);
      return true;
    }
  }
  bool at_end = false;
  const bool got = Next(gathered_, at_end);
  if (at_end) {
    finished_ = true;
    if (!got || static_cast<signed char>(gathered_[0]) <= 11) return false;
  }
  line = std::string_view(gathered_.c_str());
  return true;
}
