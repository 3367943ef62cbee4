// Replacing a file by a new version without losing it: the new text goes
// into a temporary file beside it (a short name, removed again on every
// failure and on SIGINT, SIGTERM or SIGHUP), which takes the file's owner
// and mode and then its place in one rename.
#ifndef KLV_WORK_REPLACE_FILE_H_
#define KLV_WORK_REPLACE_FILE_H_

#include <sys/stat.h>

#include <string>

// The file a replacement has to take the place of: a symbolic link is
// followed to the file it names, so the link itself stays.
std::string ReplacedPath(const char* path);

// Why the file `st` may not be replaced by a new file: it has further
// names (hard links), which would keep the old text, or its mode bits do
// not let this process write it (root included). Empty when it may.
std::string WhyNotReplaceable(const struct stat& st);

// A temporary file beside the file it is to replace. Removed when it goes
// out of scope unless Install succeeded.
class Replacement {
 public:
  // Creates an empty temporary file in the directory of `target`;
  // ok() tells whether that worked (errno is set when not).
  explicit Replacement(const std::string& target);
  ~Replacement();
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

  bool ok() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& name() const { return temp_; }

  // Gives the temporary file the owner, group and permission bits of
  // `old`; false with the reason in `why` when they cannot all be kept.
  bool TakeOwnerAndMode(const struct stat& old, std::string& why);

  // Makes the written text durable, closes the temporary file and renames
  // it over the target. False with errno set on failure; the temporary
  // file is then removed and the target is as it was.
  bool Install();

 private:
  std::string target_;
  std::string temp_;
  int fd_ = -1;
  int slot_ = -1;  // where the name waits for removal on a signal
};

#endif  // KLV_WORK_REPLACE_FILE_H_
