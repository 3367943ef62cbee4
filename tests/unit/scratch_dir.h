// Test support: a scratch directory with small text files, removed with
// everything in it when the test ends.
#ifndef KLV_TESTS_UNIT_SCRATCH_DIR_H_
#define KLV_TESTS_UNIT_SCRATCH_DIR_H_

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class ScratchDir {
 public:
  ScratchDir() {
    char templ[] = "/tmp/klv-work-XXXXXX";
    if (mkdtemp(templ) != nullptr) root_ = templ;
  }
  ~ScratchDir() {
    const std::string cmd = "rm -rf '" + root_ + "'";
    if (!root_.empty() && system(cmd.c_str()) != 0) {
    }
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(const std::string& name) const { return root_ + "/" + name; }

  // Writes `text` to the file `name` (binary, replacing it).
  void Write(const std::string& name, const std::string& text) const {
    FILE* f = fopen(Path(name).c_str(), "wb");
    if (f == nullptr) return;
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
  }

  // The content of the file `name`; "<missing>" when it cannot be read.
  std::string Read(const std::string& name) const {
    FILE* f = fopen(Path(name).c_str(), "rb");
    if (f == nullptr) return "<missing>";
    std::string text;
    char block[4096];
    size_t n;
    while ((n = fread(block, 1, sizeof block, f)) > 0) text.append(block, n);
    fclose(f);
    return text;
  }

  // The names in the directory, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    DIR* d = opendir(root_.c_str());
    if (d == nullptr) return names;
    while (dirent* e = readdir(d)) {
      const std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string root_;
};

#endif  // KLV_TESTS_UNIT_SCRATCH_DIR_H_
