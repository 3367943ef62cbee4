#include "driver/environment.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "driver/jobs.h"
#include "driver/wait_key.h"
#include "base/output.h"

namespace {

// The environment value of `name`, cut to the 4,095 characters a path
// field holds; empty when unset.
bool GetEnvText(const char* name, std::string& value) {
  const char* v = getenv(name);
  if (v == nullptr) return false;
  value.assign(v);
  if (value.size() > 4095) value.resize(4095);
  return true;
}

bool Readable(const std::string& path) {
  return access(path.c_str(), R_OK) == 0;
}

}  // namespace

void LoadProgPath(const std::string& program_name, RunSettings& G) {
  if (!G.program_dir.empty()) return;
  const size_t slash = program_name.rfind('/');
  if (slash != std::string::npos) G.program_dir = program_name.substr(0, slash + 1);
  if (G.klv_home.empty()) G.klv_home = G.program_dir;
}

void LoadEnv(Globals& G) {
  std::string value;
  if (GetEnvText("KLVHOME", value)) {
    if (value.empty() || value.back() != '/') value += '/';
    G.klv_home = value;
  }
  if (GetEnvText("PATH", value)) G.system_path = value;
  if (GetEnvText("KLVJOBS", value) && !value.empty()) {
    const int jobs = ParseJobs(value);
    if (jobs > 0) {
      G.jobs = jobs;
    } else {
      fprintf(stderr,
              "klv: KLVJOBS=%s is not a thread count (1 to %d, 0 for one "
              "per core): ignored\n",
              value.c_str(), kMaxJobs);
    }
  }
  if (getenv("KLVDEBUG") != nullptr) {
    G.debug_flag = 1;
    Out(G, "  Global Data Size = %d\n", static_cast<int>(sizeof(Globals)));
  }
  if (getenv("KLVCLASSMF") != nullptr) {
    G.class_debug_flag = 1;
    Out(G, "\n  Showing Class Methods and Functions\n");
  }
}

std::string IsInPathLocation(const std::string& dir, const std::string& file) {
  std::string base = dir;
  const size_t slash = base.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    base.erase(slash);
  } else {
    base.clear();
  }
  if (base.empty()) base = ".";
  std::string candidate = base + "/" + file;
  return Readable(candidate) ? candidate : std::string();
}

std::string IsInSystemPath(const std::string& path_list,
                           const std::string& file) {
  size_t pos = 0;
  while (pos < path_list.size()) {
    const size_t end = path_list.find_first_of(":; \t\r\n", pos);
    const size_t stop = end == std::string::npos ? path_list.size() : end;
    if (stop > pos) {
      std::string candidate = path_list.substr(pos, stop - pos) + "/" + file;
      if (Readable(candidate)) return candidate;
    }
    pos = stop + 1;
  }
  return std::string();
}

std::string GetProgFile(const std::string& file, const RunSettings& G) {
  std::string located = IsInPathLocation(G.program_dir, "klv.cfg");
  if (located.empty()) located = IsInPathLocation(G.klv_home, "klv.cfg");
  if (located.empty()) located = IsInSystemPath(G.system_path, "klv.cfg");
  if (located.empty()) located = G.program_dir;
  const size_t slash = located.rfind('/');
  std::string dir = slash == std::string::npos ? "./" : located.substr(0, slash + 1);
  return dir + file;
}

bool NoteDefaultsInUse(RunSettings& G, FILE* to) {
  std::string missing;
  for (const std::string* path : {&G.config_file_path, &G.macro_file_path}) {
    if (Readable(*path)) continue;
    missing += missing.empty() ? "" : " and ";
    missing += *path;
  }
  if (missing.empty()) return false;
  fprintf(to,
          "\n  Note: Cannot create %s;\n"
          "        klv runs with its built-in defaults.  To configure it, put\n"
          "        klv.cfg and klv_macro.cfg in a directory of your own and\n"
          "        name that directory in KLVHOME:\n"
          "          mkdir -p ~/.klv && klv -y > ~/.klv/klv.cfg\n"
          "          export KLVHOME=~/.klv\n",
          missing.c_str());
  return true;
}

void ShowStartupTrace(ReportSink& out, const RunSettings& G) {
  Out(out, "main\n");
  Out(out, "Prog Path   = %s\n", G.program_dir.c_str());
  Out(out, "Macro File  = %s\n", G.macro_file_path.c_str());
  Out(out, "KLV Home    = %s\n", G.klv_home.c_str());
  Out(out, "System Path = %s\n", G.system_path.c_str());
  WaitKey(out);
}
