#include "analysis/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "reports/output.h"

namespace {

// Closes a file descriptor when its owner goes away.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  int fd_;
};

// Writes all of `data`, retrying short writes and interruptions.
bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Copies everything readable from `in` to `out` in blocks of 4096 bytes and
// makes sure it reached the disk.
bool CopyAll(int in, int out, int64_t& total) {
  char block[4096];
  for (;;) {
    const ssize_t n = read(in, block, sizeof block);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    if (!WriteAll(out, block, static_cast<size_t>(n))) return false;
    total += n;
  }
  // The copy must be on disk before a caller deletes the only other copy.
  return fsync(out) == 0 || errno == EINVAL;
}

bool SameFile(int fd, const char* path) {
  struct stat a {};
  struct stat b {};
  return fstat(fd, &a) == 0 && stat(path, &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

}  // namespace

int64_t FileCopy(const char* dest, const char* src, Globals& G) {
  if (dest == nullptr || src == nullptr) {
    Out(G, "\n  Error: Invalid file pointer\n");
    return -1;
  }
  Fd in(open(src, O_RDONLY));
  if (in.get() < 0) {
    const int err = errno;
    Out(G, "\n  Error: Failed to open the file %s\n  %s", src, strerror(err));
    errno = err;
    return -1;
  }
  if (SameFile(in.get(), dest)) {
    // Truncating the destination would destroy the source.
    struct stat st {};
    return fstat(in.get(), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
  }
  Fd out(open(dest, O_WRONLY | O_CREAT | O_TRUNC, 0660));
  if (out.get() < 0) {
    const int err = errno;
    Out(G, "\n  Error: Failed to create/open the file %s\n         %s\n", dest,
        strerror(err));
    in.Close();
    errno = err;
    return -1;
  }
  int64_t total = 0;
  if (!CopyAll(in.get(), out.get(), total) || !out.Close()) {
    // Keep the reason for the caller's message past the closes.
    const int err = errno;
    out.Close();
    in.Close();
    errno = err;
    return -1;
  }
  return total;
}
