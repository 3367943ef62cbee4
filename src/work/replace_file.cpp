#include "work/replace_file.h"

#include <fcntl.h>
#include <grp.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/output.h"

namespace {

// Names of the temporary files that exist now, for the signal handler:
// fixed storage, as a handler may not allocate.
constexpr int kSlots = 4;
char temp_names[kSlots][PATH_MAX];
volatile sig_atomic_t temp_used[kSlots];

extern "C" void RemoveTemporariesAndDie(int sig) {
  for (int k = 0; k < kSlots; ++k) {
    if (temp_used[k]) unlink(temp_names[k]);
  }
  signal(sig, SIG_DFL);
  raise(sig);
}

// Catches the signals that end a run from outside, once per process.
void CatchEndingSignals() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  struct sigaction action {};
  action.sa_handler = RemoveTemporariesAndDie;
  sigemptyset(&action.sa_mask);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    // A signal the caller ignores (a run started with nohup) stays ignored.
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
      continue;
    }
    sigaction(sig, &action, nullptr);
  }
}

// Records `name` for removal on a signal; the slot, or -1 when none is free
// or the name does not fit (the file is then still removed on failures).
int RememberTemporary(const std::string& name) {
  CatchEndingSignals();
  if (name.size() >= PATH_MAX) return -1;
  for (int k = 0; k < kSlots; ++k) {
    if (!temp_used[k]) {
      memcpy(temp_names[k], name.c_str(), name.size() + 1);
      temp_used[k] = 1;
      return k;
    }
  }
  return -1;
}

void ForgetTemporary(int slot) {
  if (slot >= 0) temp_used[slot] = 0;
}

bool InGroup(gid_t gid) {
  if (getegid() == gid) return true;
  const int n = getgroups(0, nullptr);
  if (n <= 0) return false;
  std::vector<gid_t> groups(static_cast<size_t>(n));
  const int got = getgroups(n, groups.data());
  for (int k = 0; k < got; ++k) {
    if (groups[static_cast<size_t>(k)] == gid) return true;
  }
  return false;
}

// Whether the mode bits let this process write the file. The superuser
// passes every permission check, so for it a file without any write bit
// counts as read-only.
bool WritableByMode(const struct stat& st) {
  const uid_t uid = geteuid();
  if (uid == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  if (uid == st.st_uid) return (st.st_mode & S_IWUSR) != 0;
  if (InGroup(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
  return (st.st_mode & S_IWOTH) != 0;
}

}  // namespace

std::string ReplacedPath(const char* path) {
  struct stat st {};
  if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
    char* resolved = realpath(path, nullptr);
    if (resolved != nullptr) {
      std::string target = resolved;
      free(resolved);
      return target;
    }
  }
  return path;
}

std::string WhyNotReplaceable(const struct stat& st) {
  if (st.st_nlink > 1) {
    return Fmt("It has %ju names (hard links); a new file would leave the "
               "others with the old text",
               static_cast<uintmax_t>(st.st_nlink));
  }
  if (!WritableByMode(st)) {
    return Fmt("It is read-only (mode %04o)",
               static_cast<unsigned>(st.st_mode & 07777));
  }
  return std::string();
}

Replacement::Replacement(const std::string& target) : target_(target) {
  // A short name in the same directory, so the rename stays on one file
  // system and no name grows past the limit of a directory entry.
  const size_t slash = target.rfind('/');
  temp_ = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) +
          ".klvXXXXXX";
  fd_ = mkostemp(temp_.data(), O_CLOEXEC);
  if (fd_ >= 0) slot_ = RememberTemporary(temp_);
}

Replacement::~Replacement() {
  if (fd_ >= 0) {
    close(fd_);
    unlink(temp_.c_str());
  }
  ForgetTemporary(slot_);
}

bool Replacement::TakeOwnerAndMode(const struct stat& old, std::string& why) {
  struct stat now {};
  if (fstat(fd_, &now) != 0) {
    why = strerror(errno);
    return false;
  }
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      fchown(fd_, old.st_uid, old.st_gid) != 0) {
    why = Fmt("Its owner and group (%ju:%ju) cannot be kept: %s",
              static_cast<uintmax_t>(old.st_uid),
              static_cast<uintmax_t>(old.st_gid), strerror(errno));
    return false;
  }
  if (fchmod(fd_, old.st_mode & 07777) != 0) {
    why = Fmt("Its mode %04o cannot be kept: %s",
              static_cast<unsigned>(old.st_mode & 07777), strerror(errno));
    return false;
  }
  return true;
}

bool Replacement::Install() {
  const int fd = fd_;
  fd_ = -1;
  bool ok = fsync(fd) == 0 || errno == EINVAL;
  int error = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(temp_.c_str(), target_.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) unlink(temp_.c_str());
  ForgetTemporary(slot_);
  slot_ = -1;
  errno = error;
  return ok;
}
