#include "driver/long_options.h"

#include <cstring>
#include <string>
#include <string_view>

#include "driver/options.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

// The option letters that take an argument.
constexpr const char kLettersWithArgument[] = "BDEFhkLMNOPRrSTwX";

struct LongOption {
  std::string_view name;
  std::string Globals::*file;
};

constexpr LongOption kLongOptions[] = {
    {"--sarif", &Globals::sarif_file_name},
    {"--json", &Globals::json_file_name},
};

// True when the option word `word` ends with a letter whose argument is
// the next word ("-O", "-fO").
bool TakesNextWord(const char* word) {
  for (const char* p = word + 1; *p != '\0'; ++p) {
    if (strchr(kLettersWithArgument, *p) != nullptr) return p[1] == '\0';
  }
  return false;
}

[[noreturn]] void MissingName(std::string_view name, ReportSink& G) {
  const std::string option(name);
  OutError(G, {option + " requires a file name: " + option + "=FILE",
               kUseHelp});
  throw ExitRequest{1};
}

}  // namespace

std::vector<char*> TakeLongOptions(int argc, char** argv, Globals& G) {
  std::vector<char*> rest;
  rest.reserve(static_cast<size_t>(argc) + 1);
  int k = 0;
  for (; k < argc; ++k) {
    char* word = argv[k];
    if (k == 0 || word[0] != '-' || strcmp(word, "-") == 0) {
      rest.push_back(word);
      continue;
    }
    if (strcmp(word, "--") == 0) break;
    if (word[1] != '-') {
      rest.push_back(word);
      if (TakesNextWord(word) && k + 1 < argc) rest.push_back(argv[++k]);
      continue;
    }
    const std::string_view text(word);
    const LongOption* found = nullptr;
    for (const LongOption& option : kLongOptions) {
      const std::string_view after = text.substr(0, option.name.size());
      const bool exact = text == option.name;
      if (after == option.name &&
          (exact || text[option.name.size()] == '=')) {
        found = &option;
      }
    }
    if (found == nullptr) {
      rest.push_back(word);  // left for the option parser to refuse
      continue;
    }
    std::string name;
    if (text.size() > found->name.size()) {
      name = text.substr(found->name.size() + 1);
    } else if (k + 1 < argc) {
      name = argv[++k];
    }
    if (name.empty() || name.size() > 4094) MissingName(found->name, G);
    G.*found->file = name;
  }
  for (; k < argc; ++k) rest.push_back(argv[k]);
  rest.push_back(nullptr);
  return rest;
}
