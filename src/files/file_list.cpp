#include "files/file_list.h"

#include <dirent.h>
#include <sys/stat.h>
#include <strings.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <utility>

#include "base/file_type.h"
#include "base/line_reader.h"
#include "base/exit_request.h"
#include "base/timer.h"
#include "lists/add_node.h"
#include "lists/resort.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

// Splits `text` at any of `separators` and calls `word` for each piece;
// stops early when `word` returns true. Returns whether it stopped early.
template <typename Word>
bool ForEachWord(const std::string& text, const char* separators, Word word) {
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of(separators, pos);
    if (end == std::string::npos) end = text.size();
    if (end > pos && word(std::string_view(text).substr(pos, end - pos))) {
      return true;
    }
    pos = end + 1;
  }
  return false;
}

// A name is a header when the first character after its last '.' is 'h'.
bool IsHeader(const char* dot) { return dot[1] == 'h' || dot[1] == 'H'; }

void AddFile(const std::string& name, const char* dot, Llist<NameData>& headers,
             Llist<NameData>& sources, ReportSink& G) {
  Llist<NameData>& list = IsHeader(dot) ? headers : sources;
  if (AddNameNode(name, "", 0, list, 0) == 0) {
    OutMemoryError(G, ENOMEM);
  }
}

// A command-line operand or a list-file name: kept when its extension is
// allowed, skipped silently without one, refused with a message otherwise.
void AddOperand(const std::string& name, bool check_output_name,
                Llist<NameData>& headers, Llist<NameData>& sources,
                ReportSink& out, const RunSettings& G) {
  const char* dot = ExtensionDot(name.c_str());
  if (dot == nullptr) return;
  if (valid_ext(dot + 1, G.source_extensions.c_str(), G.case_sensitive_names,
                G)) {
    AddFile(name, dot, headers, sources, out);
  } else if (!check_output_name || name != G.output_file_name) {
    OutError(out, {name + " - Not a valid file type for KLV",
                   "Valid types: " + G.source_extensions});
  }
}

// A directory that cannot be walked: why, and its name.
void OpenDirError(const char* why, const std::string& dir, ReportSink& G) {
  OutError(G, {std::string(why) + " : " + dir},
           {.label = "Open Dir Error", .blank_before = false});
}

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// One line of a -F list file: a comment, a directory line or a file name.
void ListFileLine(std::string line, Llist<NameData>& headers,
                  Llist<NameData>& sources, Globals& G) {
  size_t start = 0;
  while (start < line.size() && IsBlankOrTab(line[start])) ++start;
  line.erase(0, start);
  if (line.empty() || line[0] == '#' || line[0] == '\r' || line[0] == '\n') {
    return;
  }
  while (!line.empty() && (IsBlankOrTab(line.back()) || line.back() == '\n' ||
                           line.back() == '\r')) {
    line.pop_back();
  }
  if (line[0] != '-') {
    AddOperand(line, false, headers, sources, G, G);
    return;
  }
  // "-r ext,ext directory": the directory runs to a quote, TAB or line end.
  size_t k = 0;
  auto word = [&]() {
    while (k < line.size() && IsBlankOrTab(line[k])) ++k;
    const size_t from = k;
    while (k < line.size() && !IsBlankOrTab(line[k])) ++k;
    return line.substr(from, k - from);
  };
  const std::string option = word();
  const std::string extensions = word();
  while (k < line.size() && line[k] == ' ') ++k;
  if (k < line.size() && line[k] == '"') ++k;
  const size_t from = k;
  while (k < line.size() && line[k] != '"' && line[k] != '\t') ++k;
  const std::string directory = line.substr(from, k - from);
  if (option.empty() || extensions.empty() || directory.empty()) {
    OutError(G,
             {"Malformed directory entry line in file.",
              "Format: -r c,h,cpp d:\\proj\\src", "Read  : " + line},
             {.blank_after = true});
    return;
  }
  G.dir_no_recurse = (option == "-r" || option == "-R") ? 0 : 1;
  ReadDir(directory, extensions, headers, sources, G, G);
}

void ReadListFile(Llist<NameData>& headers, Llist<NameData>& sources,
                  Globals& G) {
  if (G.file_list_file == nullptr) return;
  LineReader reader(G.file_list_file.get());
  std::string line;
  while (reader.NextLine(line)) ListFileLine(line, headers, sources, G);
  if (reader.error() != 0) {
    OutError(G,
             {"Cannot read the specified file: " + G.input_spec,
              std::string("for read, ") + strerror(reader.error())},
             {.blank_after = true});
    ++G.run_failures;
  }
  G.file_list_file.reset();
}

// -Rl: prints the list and ends the run.
[[noreturn]] void ShowFileListAndExit(ProcessTimer& timer, ReportSink& out,
                                      const Globals& G) {
  Out(out, G.sort_names_flag ? "\n  Sorted By File Name and Type\n"
                             : "\n  Not Sorted\n");
  Out(out, "  Files To Process: %d\n\n", G.file_list.count());
  for (const NameData& file : G.file_list) FileShow(file, out);
  Out(out, "\n");
  Benchmark(timer, out, G);
  Out(out, "  %s\n\n", Rule72('_').c_str());
  throw ExitRequest{0};
}

// Whether the entry `path` is a directory to descend into: a directory
// itself, not a symbolic link to one, so the walk stays inside the tree.
bool IsRealDirectory(const dirent* entry, const std::string& path) {
#ifdef DT_DIR
  if (entry->d_type == DT_DIR) return true;
  if (entry->d_type != DT_UNKNOWN) return false;
#endif
  struct stat st {};
  return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// ReadDir's walk; `visited` holds the directories already walked (device
// and inode), each of which is walked only once.
int WalkDir(const std::string& dir, const std::string& extensions,
            std::set<std::pair<dev_t, ino_t>>& visited,
            Llist<NameData>& headers, Llist<NameData>& sources, ReportSink& out,
            const RunSettings& G) {
  std::string base = dir;
  if (base.empty() || base.back() != '/') base += '/';
  std::unique_ptr<DIR, int (*)(DIR*)> handle(opendir(base.c_str()), closedir);
  if (handle == nullptr) {
    OpenDirError(strerror(errno), base, out);
    return 0;
  }
  struct stat st {};
  if (fstat(dirfd(handle.get()), &st) == 0 &&
      !visited.insert({st.st_dev, st.st_ino}).second) {
    return 1;
  }
  while (const dirent* entry = readdir(handle.get())) {
    const char* name = entry->d_name;
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) continue;
    const std::string path = base + name;
    // A subdirectory that cannot be read is reported (by the walk of it)
    // and skipped; the rest of the tree is still walked.
    if (!G.dir_no_recurse && IsRealDirectory(entry, path)) {
      WalkDir(path, extensions, visited, headers, sources, out, G);
    }
    const char* dot = ExtensionDot(path.c_str());
    if (dot == nullptr) continue;
    const std::string_view ext(dot + 1);
    if (ForEachWord(extensions, " .,*\t\r\n",
                    [&](std::string_view word) { return word == ext; })) {
      AddFile(path, dot, headers, sources, out);
    }
  }
  return 1;
}

}  // namespace

int valid_ext(const char* ext, const char* list, int case_blind,
              const RunSettings& G) {
  if (ext == nullptr || list == nullptr) return 0;
  if (!G.validate_extensions) return 1;
  const std::string_view wanted(ext);
  return ForEachWord(list, " \t,", [&](std::string_view word) {
    return word.size() == wanted.size() &&
           (case_blind ? strncasecmp(word.data(), ext, word.size()) == 0
                       : word == wanted);
  });
}

int ReadDir(const std::string& dir, const std::string& extensions,
            Llist<NameData>& headers, Llist<NameData>& sources, ReportSink& out,
            const RunSettings& G) {
  // An empty name names no directory; it must not become the root "/".
  if (dir.empty()) {
    OpenDirError(strerror(ENOENT), "", out);
    return 0;
  }
  std::set<std::pair<dev_t, ino_t>> visited;
  return WalkDir(dir, extensions, visited, headers, sources, out, G);
}

int BuildFileList(int first_operand, Globals& G) {
  ProcessTimer timer;
  Timer(timer, kTimerStart, G);
  Llist<NameData> headers;
  Llist<NameData> sources;
  if (G.file_list_flag) {
    ReadListFile(headers, sources, G);
  } else if (G.recursive_mode) {
    // The start directory is the last argument, unless that is the
    // extension list itself.
    const char* last = G.arg_count > 0 ? G.arg_values[G.arg_count - 1] : ".";
    const std::string start(G.input_spec == last ? "." : last);
    ReadDir(start, G.input_spec, headers, sources, G, G);
  } else {
    for (int k = first_operand; k < G.arg_count; ++k) {
      AddOperand(G.arg_values[k], true, headers, sources, G, G);
    }
  }
  if (G.sort_names_flag) {
    LlistResort_NameData(headers, 1);
    LlistResort_NameData(sources, 1);
  }
  LlistDestroy(G.file_list);
  LlistConcat(G.file_list, headers);
  LlistConcat(G.file_list, sources);
  if (G.list_files_only) ShowFileListAndExit(timer, G, G);
  // Under KLVDEBUG the file set is shown before any file is analysed.
  if (G.debug_flag) {
    for (const NameData& file : G.file_list) FileShow(file, G);
  }
  return G.file_list.count();
}

void FileShow(const NameData& file, ReportSink& G) {
  Out(G, "%s\n", file.name.c_str());
}
