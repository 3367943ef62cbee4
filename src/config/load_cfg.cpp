#include "config/load_cfg.h"

#include <strings.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "config/show_cfg.h"
#include "base/line_reader.h"
#include "base/exit_request.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

enum class Kind {
  kYesNo,        // 'n'/'N' is No, anything else Yes
  kYesOnly,      // 'y'/'Y' is Yes, anything else No
  kLetterYesNo,  // ignored unless a letter; then 'y'/'Y' is Yes
  kInteger,      // ignored unless a digit
  kReal,         // ignored unless a digit
  kColour,       // ignored unless a letter, digit or '#'; 19 characters kept
  kText,         // copied whatever it holds
};

struct Setting {
  const char* key;
  Kind kind;
  int Globals::*flag = nullptr;
  float Globals::*real = nullptr;
  std::string Globals::*text = nullptr;
  // The range a number must lie in, both ends included.
  long low = 0;
  long high = 0;
};

const Setting kSettings[] = {
    {"Source file names are case sensitive", Kind::kYesNo, &Globals::case_sensitive_names},
    {"Validate file extensions for processing", Kind::kYesNo, &Globals::validate_extensions},
    {"Allowable source code extensions", Kind::kText, nullptr, nullptr, &Globals::source_extensions},
    {"Wrap long names in reports", Kind::kYesNo, &Globals::wrap_names},
    {"Work file location path", Kind::kText, nullptr, nullptr, &Globals::work_file_path},
    {"Differential reports include equal files", Kind::kYesNo, &Globals::diff_include_equal},
    {"Include cyclo complexity in work files", Kind::kLetterYesNo, &Globals::work_file_cyclo},
    {"Relative Work Files", Kind::kYesOnly, &Globals::relative_work_files},
    {"Maximum Line Length", Kind::kInteger, &Globals::max_line_length, nullptr, nullptr, 1, 65535},
    {"Maximum Function Name Length", Kind::kInteger, &Globals::max_function_name_length, nullptr, nullptr, 1, 4094},
    {"Minimum Whitespace Percent", Kind::kReal, nullptr, &Globals::min_whitespace_percent, nullptr, 0, 100},
    {"Minimum Comment Percent", Kind::kReal, nullptr, &Globals::min_comment_percent, nullptr, 0, 100},
    {"Maximum Function LOC", Kind::kInteger, &Globals::max_function_eloc, nullptr, nullptr, 1, 10000000},
    {"A TAB is equivalent to n space", Kind::kInteger, &Globals::tab_width, nullptr, nullptr, 1, 32},
    {"Maximum functional return points", Kind::kInteger, &Globals::max_return_points, nullptr, nullptr, 0, 1000000},
    {"Count goto as a function return point", Kind::kYesNo, &Globals::goto_is_return},
    {"Maximum functional cyclomatic complexity", Kind::kInteger, &Globals::max_cyclomatic, nullptr, nullptr, 0, 1000000},
    {"Include 'for' in cyclomatic complexity", Kind::kLetterYesNo, &Globals::cyclo_counts_for},
    {"Maximum functional interface complexity", Kind::kInteger, &Globals::max_interface, nullptr, nullptr, 0, 1000000},
    {"Maximum number of methods per class", Kind::kInteger, &Globals::max_class_methods, nullptr, nullptr, 0, 1000000},
    {"Maximum depth of inheritance tree", Kind::kInteger, &Globals::max_inheritance_depth, nullptr, nullptr, 0, 1000000},
    {"Maximum number of derived child classes", Kind::kInteger, &Globals::max_child_classes, nullptr, nullptr, 0, 1000000},
    {"Printed Line Length", Kind::kInteger, &Globals::line_length, nullptr, nullptr, 20, 4096},
    {"Printed Page Length", Kind::kInteger, &Globals::page_length, nullptr, nullptr, 1, 10000},
    {"Printed Left Margin", Kind::kInteger, &Globals::left_margin, nullptr, nullptr, 0, 200},
    {"Printed Top Margin", Kind::kInteger, &Globals::top_margin, nullptr, nullptr, 0, 100},
    {"Relative HTML Links", Kind::kYesOnly, &Globals::relative_html_links},
    {"HTML Text Color", Kind::kColour, nullptr, nullptr, &Globals::html_text_color},
    {"HTML VLink Color", Kind::kColour, nullptr, nullptr, &Globals::html_vlink_color},
    {"HTML Link Color", Kind::kColour, nullptr, nullptr, &Globals::html_link_color},
    {"HTML Background Color", Kind::kColour, nullptr, nullptr, &Globals::html_background_color},
    {"HTML Function Color", Kind::kColour, nullptr, nullptr, &Globals::html_function_color},
    {"HTML Macro Color", Kind::kColour, nullptr, nullptr, &Globals::html_macro_color},
    {"HTML Class Color", Kind::kColour, nullptr, nullptr, &Globals::html_class_color},
    {"HTML Notice Color", Kind::kColour, nullptr, nullptr, &Globals::html_notice_color},
    {"HTML Header Color", Kind::kColour, nullptr, nullptr, &Globals::html_header_color},
    {"HTML Green Color", Kind::kColour, nullptr, nullptr, &Globals::html_green_color},
    {"HTML Blue Color", Kind::kColour, nullptr, nullptr, &Globals::html_blue_color},
    {"HTML Red Color", Kind::kColour, nullptr, nullptr, &Globals::html_red_color},
    {"HTML Teal Color", Kind::kColour, nullptr, nullptr, &Globals::html_teal_color},
    {"HTML Maroon Color", Kind::kColour, nullptr, nullptr, &Globals::html_maroon_color},
    {"HTML Purple Color", Kind::kColour, nullptr, nullptr, &Globals::html_purple_color},
    {"HTML Brown Color", Kind::kColour, nullptr, nullptr, &Globals::html_brown_color},
};

bool IsTrim(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return isalpha(static_cast<unsigned char>(c)) != 0; }

bool KeyIs(std::string_view key, const char* name) {
  return key.size() == strlen(name) &&
         strncasecmp(key.data(), name, key.size()) == 0;
}

// A number outside its setting's range ends the run before anything is
// analysed with it.
[[noreturn]] void OutOfRange(const Setting& s, const std::string& value,
                             ReportSink& out, const RunSettings& G) {
  OutError(out,
           {"Configuration file " + G.config_file_path,
            std::string(s.key) + ": " + value,
            Fmt("The value must be from %ld to %ld.", s.low, s.high)},
           {.blank_after = true});
  throw ExitRequest{1};
}

void Apply(const Setting& s, const std::string& value, Globals& G) {
  const char first = value.empty() ? '\0' : value[0];
  switch (s.kind) {
    case Kind::kYesNo:
      G.*s.flag = YesNoFlag(value.c_str());
      break;
    case Kind::kYesOnly:
      G.*s.flag = (first == 'y' || first == 'Y') ? 1 : 0;
      break;
    case Kind::kLetterYesNo:
      if (IsLetter(first)) G.*s.flag = (first == 'y' || first == 'Y') ? 1 : 0;
      break;
    case Kind::kInteger:
      if (IsDigit(first)) {
        errno = 0;
        const long n = strtol(value.c_str(), nullptr, 10);
        if (errno != 0 || n < s.low || n > s.high) OutOfRange(s, value, G, G);
        G.*s.flag = static_cast<int>(n);
      }
      break;
    case Kind::kReal:
      if (IsDigit(first)) {
        const double x = strtod(value.c_str(), nullptr);
        if (!(x >= static_cast<double>(s.low) &&
              x <= static_cast<double>(s.high))) {
          OutOfRange(s, value, G, G);
        }
        G.*s.real = static_cast<float>(x);
      }
      break;
    case Kind::kColour:
      if (IsLetter(first) || IsDigit(first) || first == '#') {
        G.*s.text = value.substr(0, 19);
      }
      break;
    case Kind::kText:
      G.*s.text = value;
      break;
  }
}

// The keys whose rules fit no table row: the notice switches, the key
// string, the listing header and the page-break switch.
bool ApplySpecial(std::string_view key, const std::string& value,
                  RunSettings& G) {
  const char first = value.empty() ? '\0' : value[0];
  static constexpr std::string_view kNotice = "quality notice ";
  if (key.size() > kNotice.size() &&
      strncasecmp(key.data(), kNotice.data(), kNotice.size()) == 0) {
    const std::string_view number = key.substr(kNotice.size());
    int n = 0;
    for (char c : number) {
      if (!IsDigit(c) || n > 100) return false;
      n = n * 10 + (c - '0');
    }
    if (n < 1 || n > 44 || std::to_string(n) != number) return false;
    G.notice_enabled[n] = YesNoFlag(value.c_str());
    return true;
  }
  if (KeyIs(key, "KLV KEY String")) {
    if (IsLetter(first) || IsDigit(first) || first == '#') {
      G.key_string = value;
      G.key_string_set = 1;
    }
    return true;
  }
  if (KeyIs(key, "Printed Page Header")) {
    if (IsLetter(first) || IsDigit(first)) G.listing_header = value;
    return true;
  }
  if (KeyIs(key, "Page breaks in code print format")) {
    G.no_page_breaks = (first == 'n' || first == 'N') ? 1 : 0;
    return true;
  }
  return false;
}

}  // namespace

int YesNoFlag(const char* value) {
  return (value != nullptr && (value[0] == 'n' || value[0] == 'N')) ? 0 : 1;
}

void ApplyCfgLine(const std::string& line, Globals& G) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos) return;
  size_t key_end = colon;
  while (key_end > 0 && IsTrim(line[key_end - 1])) --key_end;
  const std::string_view key(line.data(), key_end);
  size_t from = colon + 1;
  while (from < line.size() && (line[from] == ' ' || line[from] == '\t')) ++from;
  size_t to = line.size();
  while (to > from && IsTrim(line[to - 1])) --to;
  // A value holds at most 79 characters.
  std::string value = line.substr(from, to - from);
  if (value.size() > 79) value.resize(79);
  if (ApplySpecial(key, value, G)) return;
  for (const Setting& s : kSettings) {
    if (KeyIs(key, s.key)) {
      Apply(s, value, G);
      return;
    }
  }
}

int LoadCfg(Globals& G) {
  FilePtr in(fopen(G.config_file_path.c_str(), "rb"));
  if (in == nullptr) {
    in.reset(fopen(G.config_file_path.c_str(), "w+b"));
    if (in == nullptr) return 0;
    ShowCfg(in.get(), G);
    rewind(in.get());
  }
  LineReader reader(in.get());
  std::string line;
  while (reader.NextLine(line)) ApplyCfgLine(line, G);
  return 1;
}
