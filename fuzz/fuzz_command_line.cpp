// Fuzz target: arbitrary command lines, klv.cfg and klv_macro.cfg files,
// run through the whole program on a few small source files, under the
// address and undefined-behaviour sanitizers.
//
// The input is three parts separated by NUL bytes: the command line (one
// word a line, at most 16 words of at most 256 bytes), the text of
// klv.cfg and the text of klv_macro.cfg. The run stays in a directory of
// its own: words naming absolute paths or parent directories are dropped,
// and help screens (which may pause) are left out.
//
// Once the program takes -j, every command line also runs on two threads
// (KLVJOBS=2, so that its words stay its own)
// from the same starting directory, and the report, the files left behind
// and the exit status must be those of the serial run.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/klv.h"
#include "parallel_run.h"

namespace {

std::string work_dir;
std::string capture;      // standard output of a compared run
bool compare_jobs = false;  // the program takes -j

// Empties the work directory: a run may leave reports, work files and
// converted sources behind.
void ClearWorkDir() {
  DIR* dir = opendir(".");
  if (dir == nullptr) abort();
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0) {
      names.emplace_back(entry->d_name);
    }
  }
  closedir(dir);
  for (const std::string& name : names) {
    if (unlink(name.c_str()) != 0) rmdir(name.c_str());
  }
}

// Whether `word` may be handed to the program: it must not lead outside
// the work directory, and no help screen is asked for (-hp pauses).
bool Allowed(const std::string& word) {
  if (word.find('/') != std::string::npos) return false;
  if (word.find("..") != std::string::npos) return false;
  if (word.size() > 1 && word[0] == '-' && word[1] != '-' &&
      word.find('h') != std::string::npos) {
    return false;
  }
  return true;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words = {work_dir + "/klv"};
  size_t k = 0;
  while (k <= text.size() && words.size() < 17) {
    size_t end = text.find('\n', k);
    if (end == std::string_view::npos) end = text.size();
    std::string word(text.substr(k, end - k).substr(0, 256));
    if (Allowed(word)) words.push_back(word);
    k = end + 1;
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char dir[] = "/tmp/klv-fuzz-cli-XXXXXX";
  if (mkdtemp(dir) == nullptr || chdir(dir) != 0) abort();
  work_dir = dir;
  // Reports go nowhere and nothing waits for the keyboard.
  const int null_out = open("/dev/null", O_WRONLY);
  const int null_in = open("/dev/null", O_RDONLY);
  if (null_out < 0 || null_in < 0 || dup2(null_out, STDOUT_FILENO) < 0 ||
      dup2(null_in, STDIN_FILENO) < 0) {
    abort();
  }
  close(null_out);
  close(null_in);
  unsetenv("KLVDEBUG");
  unsetenv("KLVHOME");
  unsetenv("KLVJOBS");
  // The run date is fixed, so that two runs can give the same bytes.
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  capture = work_dir + ".out";
  compare_jobs = fuzz::JobsAccepted(work_dir + "/klv", capture);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t cut1 = input.find('\0');
  const std::string_view command =
      input.substr(0, cut1 == std::string_view::npos ? input.size() : cut1);
  std::string_view cfg;
  std::string_view macros;
  if (cut1 != std::string_view::npos) {
    const std::string_view rest = input.substr(cut1 + 1);
    const size_t cut2 = rest.find('\0');
    cfg = rest.substr(0, cut2 == std::string_view::npos ? rest.size() : cut2);
    if (cut2 != std::string_view::npos) macros = rest.substr(cut2 + 1);
  }

  // The working directory as every run of this input starts in it.
  auto prepare = [&] {
    ClearWorkDir();
    fuzz::WriteFixedFile("klv.cfg", cfg);
    fuzz::WriteFixedFile("klv_macro.cfg", macros);
    fuzz::WriteFixedFile(
        "a.c", "/* a */\nint f(int x)\n{\n\tif (x) return 1;\n\treturn 0;\n}\n");
    fuzz::WriteFixedFile("b.h", "class B : public A {\npublic:\n  int x;\n};\n");
    fuzz::WriteFixedFile("c.java",
                         "package p;\nclass C { void m() { while (true) {} } }\n");
    fuzz::WriteFixedFile("list.txt", "a.c\nb.h\n-r c,h,java .\n");
  };

  const std::vector<std::string> words = Words(command);
  prepare();
  if (!compare_jobs || !fuzz::Reproducible(words)) {
    std::vector<std::string> args = words;
    std::vector<char*> argv;
    for (std::string& word : args) argv.push_back(word.data());
    argv.push_back(nullptr);
    klv(static_cast<int>(args.size()), argv.data());
    return 0;
  }
  // The thread count comes from the environment, so that the command line
  // is the input's own on both runs.
  const fuzz::RunResult serial = fuzz::AsSerial(
      fuzz::RunWithJobsFromEnvironment(words, "1", capture));
  prepare();
  const fuzz::RunResult parallel = fuzz::AsSerial(
      fuzz::RunWithJobsFromEnvironment(words, "2", capture));
  if (!(serial == parallel)) {
    // The serial run again: a command line whose serial runs already
    // differ (state an earlier input left in this process) says nothing
    // about the threads; one that repeats its serial result does.
    prepare();
    const fuzz::RunResult again = fuzz::AsSerial(
        fuzz::RunWithJobsFromEnvironment(words, "1", capture));
    if (again == serial) {
      std::vector<std::string> shown = words;
      shown.insert(shown.begin(), "KLVJOBS=2");
      fuzz::ReportMismatch(shown, serial, parallel);
    }
  }
  return 0;
}
