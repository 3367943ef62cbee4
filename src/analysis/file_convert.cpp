#include "analysis/file_convert.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "analysis/detab.h"
#include "work/replace_file.h"
#include "base/error_block.h"
#include "reports/framing.h"
#include "base/output.h"

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

// The message of a conversion that did not take place; the file keeps its
// text.
int Unchanged(const char* path, const std::string& why, ReportSink& G) {
  OutError(G,
           {std::string("Failure to update source file ") + path, why,
            "The file is unchanged."},
           {.blank_after = true});
  return 0;
}

std::string Because(const char* what, int error) {
  return std::string(what) + ": " + strerror(error);
}

// An earlier version wrote the converted text to the file's name with
// ".tmp" appended and could leave it behind; it is no longer used, so it
// neither blocks the conversion nor is touched by it.
void NoteOldTemporary(const char* path, ReportSink& G) {
  const std::string old = std::string(path) + ".tmp";
  struct stat st {};
  if (lstat(old.c_str(), &st) != 0) return;
  Out(G,
      "  Note: %s is left from an interrupted or failed conversion\n"
      "        of this file by an earlier klv; it is not used and not\n"
      "        changed. Compare it with the file, then remove it.\n",
      old.c_str());
}

}  // namespace

std::string ConvertLine(std::string_view line, int* in_string, int* tabs,
                        const RunSettings& G) {
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
    OutError(G, {"Cannot De-Dos and Make Dos at the same time"},
             {.blank_before = false});
    return 0;
  }
  if (G.convert_tabs) Out(G, "  Removing Tabs '\\t' from file\n");
  if (G.convert_unix) Out(G, "  Removing Carriage Returns '\\r' from file\n");
  if (G.convert_dos) Out(G, "  Adding Carriage Returns '\\r' to file\n");

  NoteOldTemporary(path, G);

  struct stat old {};
  if (fstat(fileno(in.get()), &old) != 0) {
    return Unchanged(path, Because("It cannot be examined", errno), G);
  }
  std::string why = WhyNotReplaceable(old);
  if (!why.empty()) return Unchanged(path, why, G);
  Replacement out(ReplacedPath(path));
  if (!out.ok()) {
    return Unchanged(path, Because("No temporary file can be made beside it",
                                   errno), G);
  }
  if (!out.TakeOwnerAndMode(old, why)) return Unchanged(path, why, G);
  FilePtr text(fdopen(dup(out.fd()), "wb"));
  if (text == nullptr) {
    return Unchanged(path, Because("The converted text cannot be written",
                                   errno), G);
  }

  // Every line is converted, a last one without a line end too: whatever
  // is not written to the temporary file would be lost from the source.
  LineBuffer buffer;
  int lines = 0;
  int tabs = 0;
  int in_string = 0;
  ssize_t n;
  errno = 0;
  while ((n = getline(&buffer.data, &buffer.capacity, in.get())) > 0) {
    ++lines;
    const std::string converted =
        ConvertLine(std::string_view(buffer.data, static_cast<size_t>(n)),
                    &in_string, &tabs, G);
    if (fwrite(converted.data(), 1, converted.size(), text.get()) !=
        converted.size()) {
      return Unchanged(path, Because("The converted text cannot be written",
                                     errno), G);
    }
  }
  if (ferror(in.get())) {
    return Unchanged(path, Because("It cannot be read", errno), G);
  }
  in.reset();
  const bool written = fflush(text.get()) == 0;
  const int write_error = errno;
  if (fclose(text.release()) != 0 || !written) {
    return Unchanged(path, Because("The converted text cannot be written",
                                   written ? errno : write_error), G);
  }
  if (!out.Install()) {
    return Unchanged(path, Because("It cannot be replaced", errno), G);
  }
  if (G.convert_tabs) {
    Out(G, "  Complete - Lines = %d, Tabs Replaced = %d\n", lines, tabs);
  } else {
    Out(G, "  Complete - Lines = %d\n", lines);
  }
  return 1;
}
