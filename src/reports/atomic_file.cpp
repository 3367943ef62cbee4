#include "reports/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

AtomicFile::~AtomicFile() {
  if (file_ != nullptr) fclose(file_);
  if (!temp_.empty()) unlink(temp_.c_str());
}

bool AtomicFile::Fail(int err) {
  error_ = strerror(err != 0 ? err : EIO);
  return false;
}

bool AtomicFile::Open(const std::string& path) {
  path_ = path;
  // A directory is refused here rather than at the rename, after the run.
  struct stat st {};
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return Fail(EISDIR);
  std::string pattern = path + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return Fail(errno);
  temp_ = name.data();
  // mkstemp makes the file private; the report gets the usual permissions.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  file_ = fdopen(fd, "wb");
  if (file_ == nullptr) {
    const int err = errno;
    close(fd);
    return Fail(err);
  }
  return true;
}

bool AtomicFile::Commit() {
  if (file_ == nullptr) return Fail(EBADF);
  errno = 0;
  const bool written = fflush(file_) == 0 && ferror(file_) == 0;
  int err = written ? 0 : (errno != 0 ? errno : EIO);
  if (written && fsync(fileno(file_)) != 0) err = errno;
  const bool closed = fclose(file_) == 0;
  if (err == 0 && !closed) err = errno;
  file_ = nullptr;
  if (!written || err != 0) return Fail(err);
  if (rename(temp_.c_str(), path_.c_str()) != 0) return Fail(errno);
  temp_.clear();
  return true;
}
