#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Why a file of mode `mode` is not read: empty for a regular file.
std::string NotRegular(mode_t mode) {
  if (S_ISREG(mode)) return std::string();
  if (S_ISDIR(mode)) return strerror(EISDIR);
  if (S_ISFIFO(mode)) return "Not a regular file: a named pipe";
  if (S_ISCHR(mode)) return "Not a regular file: a character device";
  if (S_ISBLK(mode)) return "Not a regular file: a block device";
  if (S_ISSOCK(mode)) return "Not a regular file: a socket";
  return "Not a regular file";
}

}  // namespace

int OpenRegularDescriptor(const std::string& path, bool update,
                          std::string& why) {
  // Looked at before it is opened, as opening some devices acts on them;
  // and again after, in case the name changed hands in between.
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    why = strerror(errno);
    return -1;
  }
  why = NotRegular(st.st_mode);
  if (!why.empty()) return -1;
  const int flags = (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY |
                    O_CLOEXEC;
  const int fd = open(path.c_str(), flags);
  if (fd < 0) {
    why = strerror(errno);
    return -1;
  }
  if (fstat(fd, &st) != 0) {
    why = strerror(errno);
  } else {
    why = NotRegular(st.st_mode);
  }
  if (!why.empty()) {
    close(fd);
    return -1;
  }
  return fd;
}

FilePtr OpenRegularFile(const std::string& path, bool update,
                        std::string& why) {
  const int fd = OpenRegularDescriptor(path, update, why);
  if (fd < 0) return nullptr;
  const int flags = update ? O_RDWR : O_RDONLY;
  if (fcntl(fd, F_SETFL, flags) != 0) why = strerror(errno);
  FILE* f = why.empty() ? fdopen(fd, update ? "r+b" : "rb") : nullptr;
  if (f == nullptr) {
    if (why.empty()) why = strerror(errno);
    close(fd);
  }
  return FilePtr(f);
}
