#include "analysis/file_convert.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analysis/detab.h"
#include "work/file_copy.h"
#include "reports/framing.h"
#include "reports/output.h"

namespace {

// The buffer `getline` grows; released with free.
struct LineBuffer {
  char* data = nullptr;
  size_t capacity = 0;
  LineBuffer() = default;
  LineBuffer(const LineBuffer&) = delete;
  LineBuffer& operator=(const LineBuffer&) = delete;
  ~LineBuffer() { free(data); }
};

// A line that ends in CR LF ends in LF alone. A CR anywhere else is text
// and stays, so no line is ever joined to the next one.
void ToUnix(std::string& s) {
  const size_t n = s.size();
  if (n >= 2 && s[n - 1] == '\n' && s[n - 2] == '\r') s.erase(n - 2, 1);
}

// A line that ends in LF and holds no CR at all ends in CR LF.
void ToDos(std::string& s) {
  if (!s.empty() && s.back() == '\n' && s.find('\r') == std::string::npos) {
    s.insert(s.size() - 1, 1, '\r');
  }
}

// Creates the temporary file, refusing to reuse an existing one: it may be
// the converted text that an earlier failed run left behind.
FilePtr CreateTemporary(const std::string& tmp) {
  const int fd = open(tmp.c_str(), O_RDWR | O_CREAT | O_EXCL, 0660);
  if (fd < 0) return nullptr;
  FilePtr out(fdopen(fd, "w+b"));
  if (out == nullptr) {
    const int err = errno;
    close(fd);
    remove(tmp.c_str());
    errno = err;
  }
  return out;
}

// Flushes and closes the temporary file, making sure its text reached the
// disk: it is the only complete copy while the source is being rewritten.
bool FinishTemporary(FilePtr out) {
  bool ok = fflush(out.get()) == 0;
  if (ok && fsync(fileno(out.get())) != 0 && errno != EINVAL) ok = false;
  const int err = errno;
  if (fclose(out.release()) != 0) return false;
  errno = err;
  return ok;
}

void FileError(const char* what, const std::string& name, int err, Globals& G) {
  Out(G, "\n  Error: Cannot %s the specified file: %s\n  %s\n\n", what,
      name.c_str(), strerror(err));
}

}  // namespace

std::string ConvertLine(std::string_view line, int* in_string, int* tabs,
                        const Globals& G) {
  std::string s;
  if (G.convert_tabs) {
    Detab_line(line, s, G.tab_width, in_string, tabs);
  } else {
    s.assign(line);
  }
  if (G.convert_unix && !G.convert_dos) ToUnix(s);
  if (G.convert_dos && !G.convert_unix) ToDos(s);
  return s;
}

int DeFile(FilePtr in, const char* path, Globals& G) {
  EmitFilename(path, G);
  if (G.convert_unix && G.convert_dos) {
    Out(G, "  Error: Cannot De-Dos and Make Dos at the same time\n");
    return 0;
  }
  if (G.convert_tabs) Out(G, "  Removing Tabs '\\t' from file\n");
  if (G.convert_unix) Out(G, "  Removing Carriage Returns '\\r' from file\n");
  if (G.convert_dos) Out(G, "  Adding Carriage Returns '\\r' to file\n");

  const std::string tmp = std::string(path) + ".tmp";
  FilePtr out = CreateTemporary(tmp);
  if (out == nullptr) {
    FileError("open", tmp, errno, G);
    return 0;
  }

  // Every line is converted, a last one without a line end too: whatever
  // is not written to the temporary file would be lost from the source.
  LineBuffer buffer;
  int lines = 0;
  int tabs = 0;
  int in_string = 0;
  int64_t written = 0;
  ssize_t n;
  while ((n = getline(&buffer.data, &buffer.capacity, in.get())) > 0) {
    ++lines;
    const std::string converted =
        ConvertLine(std::string_view(buffer.data, static_cast<size_t>(n)),
                    &in_string, &tabs, G);
    if (fwrite(converted.data(), 1, converted.size(), out.get()) !=
        converted.size()) {
      const int err = errno;
      out.reset();
      remove(tmp.c_str());
      FileError("write", tmp, err, G);
      return 0;
    }
    written += static_cast<int64_t>(converted.size());
  }
  if (ferror(in.get())) {
    const int err = errno;
    out.reset();
    remove(tmp.c_str());
    FileError("read", path, err, G);
    return 0;
  }
  in.reset();
  if (!FinishTemporary(std::move(out))) {
    const int err = errno;
    remove(tmp.c_str());
    FileError("write", tmp, err, G);
    return 0;
  }

  // A copy is complete when every converted byte arrived, which for an
  // empty file is none at all.
  const int64_t copied = FileCopy(path, tmp.c_str(), G);
  const int err = errno;
  if (copied == written) {
    if (G.convert_tabs) {
      Out(G, "  Complete - Lines = %d, Tabs Replaced = %d\n", lines, tabs);
    } else {
      Out(G, "  Complete - Lines = %d\n", lines);
    }
    remove(tmp.c_str());
    return 1;
  }
  Out(G,
      "\n  Error: Failure to update source file.\n"
      "         Modified source in file: %s\n         %s\n\n",
      tmp.c_str(), strerror(err));
  return 0;
}
