#include "files/source_text.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/regular_file.h"

bool ReadSourceText(const std::string& path, SourceText& source) {
  source.held = false;
  source.length = 0;
  std::string why;
  const int fd = OpenRegularDescriptor(path, false, why);
  if (fd < 0) return false;
  size_t length = 0;
  bool ok = true;
  for (;;) {
    if (source.room.size() - length < (1 << 16) + SourceText::kPad) {
      source.room.resize(std::max(source.room.size() * 2,
                                  length + (1 << 17) + SourceText::kPad));
    }
    const size_t room = source.room.size() - length - SourceText::kPad;
    const ssize_t got = read(fd, source.room.data() + length, room);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    length += static_cast<size_t>(got);
  }
  close(fd);
  if (!ok) return false;
  memset(source.room.data() + length, 0, SourceText::kPad);
  source.length = length;
  source.held = true;
  return true;
}
