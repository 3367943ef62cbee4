// A file written under a temporary name beside its final path and renamed
// into place only when complete: a failed run never leaves a partial file,
// and an earlier file of that name stays as it was.
#ifndef KLV_REPORTS_ATOMIC_FILE_H_
#define KLV_REPORTS_ATOMIC_FILE_H_

#include <cstdio>
#include <string>

class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // Removes the temporary file unless it was committed.
  ~AtomicFile();

  // Creates the temporary file for `path`. False when it cannot be made;
  // error() tells why.
  bool Open(const std::string& path);
  // The stream to write to; null before Open.
  FILE* file() const { return file_; }
  // Writes everything out and renames the temporary file to the path.
  // False after any failure (write, close or rename); error() tells why.
  bool Commit();
  const std::string& error() const { return error_; }

 private:
  bool Fail(int err);

  std::string path_;
  std::string temp_;
  FILE* file_ = nullptr;
  std::string error_;
};

#endif  // KLV_REPORTS_ATOMIC_FILE_H_
