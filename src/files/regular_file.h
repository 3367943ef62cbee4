// Opening the files a run reads: regular files only, so that a pipe or a
// device never makes the run wait or read without end.
#ifndef KLV_FILES_REGULAR_FILE_H_
#define KLV_FILES_REGULAR_FILE_H_

#include <string>

#include "base/globals.h"

// Opens `path` as OpenRegularFile does, but leaves the descriptor in its
// non-blocking mode (reads of a regular file never wait): -1 otherwise,
// with the reason in `why`. The caller closes it.
int OpenRegularDescriptor(const std::string& path, bool update,
                          std::string& why);
// Opens `path` for reading (for reading and writing with `update`) when it
// is a regular file, without waiting on the way. Null otherwise, with the
// reason (the system's, or what kind of file it is) in `why`.
FilePtr OpenRegularFile(const std::string& path, bool update,
                        std::string& why);

#endif  // KLV_FILES_REGULAR_FILE_H_
