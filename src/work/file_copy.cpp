#include "work/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/error_block.h"
#include "base/output.h"
#include "work/replace_file.h"

namespace {

// Closes a descriptor when its owner goes away.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now; false (with errno set) when the close reports an error.
  bool Close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

// Writes all of `data`; false with errno set on failure.
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

// Copies `in` to `out` in blocks of 4096 bytes; the byte count, or -1 with
// errno set.
int64_t CopyBlocks(int in, int out) {
  char block[4096];
  int64_t total = 0;
  for (;;) {
    const ssize_t n = read(in, block, sizeof block);
    if (n == 0) return total;
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (!WriteAll(out, block, static_cast<size_t>(n))) return -1;
    total += n;
  }
}

int64_t CreateFailure(const char* dest, const char* why, ReportSink& G) {
  OutError(G, {std::string("Failed to create/open the file ") + dest, why});
  return -1;
}

int64_t CreateFailure(const char* dest, int error, ReportSink& G) {
  return CreateFailure(dest, strerror(error), G);
}

int64_t WriteFailure(const char* dest, int error, ReportSink& G) {
  OutError(G, {std::string("Failed to write the file ") + dest,
               strerror(error)});
  return -1;
}

// Writes straight into a destination that is not a regular file.
int64_t CopyInto(int in, const char* dest, ReportSink& G) {
  Fd out(open(dest, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0660));
  if (out.get() < 0) return CreateFailure(dest, errno, G);
  const int64_t total = CopyBlocks(in, out.get());
  if (total < 0 || !out.Close()) return WriteFailure(dest, errno, G);
  return total;
}

}  // namespace

int64_t FileCopy(const char* dest, const char* src, ReportSink& G) {
  if (dest == nullptr || src == nullptr) {
    OutError(G, {"Invalid file pointer"});
    return -1;
  }
  Fd in(open(src, O_RDONLY | O_CLOEXEC));
  struct stat src_st {};
  if (in.get() >= 0 && fstat(in.get(), &src_st) == 0 &&
      S_ISDIR(src_st.st_mode)) {
    in.Close();
    errno = EISDIR;
  }
  if (in.get() < 0) {
    const int error = errno;
    // The reason sits at the margin and its line is not ended.
    OutError(G, {std::string("Failed to open the file ") + src, strerror(error)},
             {.indent = 2, .line_end = false});
    return -1;
  }

  const std::string target = ReplacedPath(dest);
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return CreateFailure(dest, EISDIR, G);
  if (exists && !S_ISREG(old.st_mode)) return CopyInto(in.get(), dest, G);
  std::string why = exists ? WhyNotReplaceable(old) : std::string();
  if (!why.empty()) return CreateFailure(dest, why.c_str(), G);

  Replacement out(target);
  if (!out.ok()) return CreateFailure(dest, errno, G);
  // The copy takes the old file's place, so it takes its owner and
  // permissions too, or it does not take its place at all.
  if (exists && !out.TakeOwnerAndMode(old, why)) {
    return CreateFailure(dest, why.c_str(), G);
  }
  if (!exists) {
    // A new file: readable and writable for owner and group, less the
    // umask (the temporary file was made for the owner alone).
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(out.fd(), 0660 & ~mask);
  }
  const int64_t total = CopyBlocks(in.get(), out.fd());
  if (total < 0 || !out.Install()) return WriteFailure(dest, errno, G);
  return total;
}
