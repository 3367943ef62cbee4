// Copying one file over another without ever leaving the destination half
// written: the copy goes into a new file beside the destination, which then
// takes the destination's place in one step.
#ifndef KLV_WORK_FILE_COPY_H_
#define KLV_WORK_FILE_COPY_H_

#include <cstdint>

#include "base/globals.h"

// Copies the file `src` over `dest` (created when missing) and returns the
// number of bytes copied, or -1 after writing the reason on the output
// stream. On failure `dest` keeps its old content. An existing `dest` keeps
// its owner and permission bits, or is not replaced; one with further hard
// links, or read-only by its mode bits, is refused. A new one is made
// readable and writable for owner and group (less the umask). A `dest` that is a symbolic link is replaced
// at the file the link names; a `dest` that is a device or pipe is written
// to directly, as there is nothing there to keep.
int64_t FileCopy(const char* dest, const char* src, ReportSink& G);

#endif  // KLV_WORK_FILE_COPY_H_
