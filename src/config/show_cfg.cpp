#include "config/show_cfg.h"

#include <string_view>

#include "base/output.h"

namespace {

// The comment lines written above the setting of each quality notice.
constexpr std::string_view kNoticeComments[45] = {
    "",
    "# Emit a quality notice when the physical line length\n"
    "# is greater than the specified number of characters.\n",
    "# Emit a quality notice when the function name length\n"
    "# is greater than the specified number of characters.\n",
    "# Emit a quality notice when ellipsis '...' are identified\n"
    "# within a functions parameter list thus enabling variable\n"
    "# arguments.\n",
    "# Emit a quality notice if there exists an assignment\n"
    "# operator '=' within a logical 'if' condition.\n",
    "# Emit a quality notice if there exists an assignment\n"
    "# operator '=' within a logical 'while' condition.\n",
    "# Emit a quality notice when a pre-decrement operator '--'\n"
    "# is identified within the code.\n",
    "# Emit a quality notice when a pre-increment operator '++'\n"
    "# is identified within the code.\n",
    "# Emit a quality notice when the 'realloc' function\n"
    "# is identified within the code.\n",
    "# Emit a quality notice when the 'goto' function\n"
    "# is identified within the code.\n",
    "# Emit a quality notice when the Non-ANSI function\n"
    "# prototype is identified within the code.\n",
    "# Emit a quality notice when open and closed brackets\n"
    "# '[ ]' are not balance within a file.\n",
    "# Emit a quality notice when open and closed parenthesis\n"
    "# '( )' are not balance within a file.\n",
    "# Emit a quality notice when a 'switch' statement does\n"
    "# not have a 'default' condition.\n",
    "# Emit a quality notice when these are more 'case' conditions\n"
    "# than 'break', 'return' or 'fall through' comments.\n",
    "# Emit a quality notice when a friend class\n"
    "# is identified within the code.\n",
    "# Emit a quality notice when function white space\n"
    "# percentage is less than the specified minimum.\n",
    "# Emit a quality notice when function comment\n"
    "# percentage is less than the specified minimum.\n",
    "# Emit a quality notice when the eLOC within a\n"
    "# function exceeds the specified maximum.\n",
    "# Emit a quality notice when file white space\n"
    "# percentage is less than the specified minimum.\n"
    "# Consider setting Notice 30 to No.\n",
    "# Emit a quality notice when file comment\n"
    "# percentage is less than the specified minimum.\n",
    "# Emit a quality notice when a file does not contain\n"
    "# the specified key string.\n",
    "# Emit a quality notice when each if, else, for\n"
    "# or while is not bound by scope.\n",
    "# Emit a quality notice when the '?' or the implied\n"
    "# if-then-else construct has been identified.\n",
    "# Emit a quality notice when an ANSI C++ keyword\n"
    "# is identified within a *.c or a *.h file.\n",
    "# When analyzing *.h files, treat header files as\n"
    "# both C and C++.  If you use .hh for C++ and .h\n"
    "# for C, then set this option to No.\n",
    "# Emit a quality notice when a void * is identified\n"
    "# within a source file.\n",
    "# Emit a quality notice when the number of function\n"
    "# return points is greater than the specified maximum.\n",
    "# Emit a quality notice when the cyclomatic complexity\n"
    "# of a function exceeds the specified maximum.\n",
    "# Emit a quality notice when the number of function\n"
    "# input parameters exceeds the specified maximum.\n",
    "# Emit a quality notice when a TAB character is identified\n"
    "# within the source code.  Indentation with TAB will create\n"
    "# editor and device dependent formatting.\n",
    "# Emit a quality notice when class/struct comment\n"
    "# percentage is less than the specified minimum.\n",
    "# Emit a quality notice when 'using namespace'\n"
    "# has been identified in a C++ source file.\n",
    "# Emit a quality notice when a class/struct definition\n"
    "# is identified within a function definition.\n",
    "# Emit a quality notice when a class definition\n"
    "# contains a pointer to a data item.\n",
    "# Emit a quality notice when a class definition\n"
    "# contains public data.\n",
    "# Emit a quality notice when a class definition\n"
    "# contains protected data.\n",
    "# Emit a quality notice when a base class, with virtual\n"
    "# functions, does not contain a virtual destructor.\n",
    "# Emit a quality notice when exception handling is\n"
    "# present within a function.\n",
    "# Emit a quality notice when the number of class/struct methods\n"
    "# exceed the specified maximum (public, protected and private).\n",
    "# Emit a quality notice when the depth of the inheritance\n"
    "# tree exceeds the specified maximum value.\n",
    "# Emit a quality notice when the number of direct derived\n"
    "# classes exceeds the specified maximum value.\n",
    "# Emit a quality notice when the multiple inheritance\n"
    "# has been identified.\n",
    "# Emit a quality notice when the keyword 'continue'\n"
    "# has been identified.\n",
    "# Emit a quality notice when the keyword 'break'\n"
    "# has been identified outside a 'switch' logic\n"
    "# control structure.\n",
};

constexpr const char kRule[] =
    "####################################################################\n";

// Builds the template line by line.
class CfgWriter {
 public:
  explicit CfgWriter(std::string& text) : text_(text) {}

  void Line(std::string_view line) {
    text_ += line;
    text_ += '\n';
  }
  void Text(std::string_view lines) { text_ += lines; }
  // One setting: the key padded to 40 characters, ": " and the value.
  void Setting(const char* key, const std::string& value) {
    text_ += Fmt("%-40s: %s\n", key, value.c_str());
  }
  void Flag(const char* key, int on) { Setting(key, on ? "Yes" : "No"); }
  void Number(const char* key, int value) { Setting(key, Fmt("%d", value)); }
  void Percent(const char* key, float value) {
    Setting(key, Fmt("%-6.2f", static_cast<double>(value)));
  }

 private:
  std::string& text_;
};

void Head(CfgWriter& w, const RunSettings& G) {
  w.Line(Fmt("# Tarvelon Version %s", G.version.c_str()));
  w.Line("# Configuration Data File");
  w.Line("");
  w.Line(Fmt("# This output creates a template for %s.  KLV uses this file",
             kConfigFileName));
  w.Text(
      "# for configuring its operation.  This file is a text file and\n"
      "# must exist in the KLV directory upon the system path or at\n"
      "# at a location specified by the environment variable KLVHOME.\n");
  w.Line(Fmt("# Failure to locate a %s file will put KLV into default mode.",
             kConfigFileName));
  w.Text(
      "\n"
      "# Lines beginning with the # sign are comments in this file.\n"
      "# Specific text lines before the colon must appear exactly as\n"
      "# written.  You may changed the value after the colon to either\n"
      "# a Yes or No or to a specified value.\n"
      "\n\n");
  w.Line(Fmt("%s: %s", "# Current Working Dir.", G.current_dir.c_str()));
  w.Line(Fmt("%s: %s", "# Located Config. File", G.config_file_path.c_str()));
  w.Line(Fmt("%s: %s", "# Located Macro File  ", G.macro_file_path.c_str()));
}

void OperationalSettings(CfgWriter& w, const RunSettings& G) {
  w.Text(
      "\n# The following is the current configuration data\n\n");
  w.Text(kRule);
  w.Text("# KLV Operational Configuration ####################################\n\n");
  w.Text(
      "# Windows 9x and DOS are case insensitive file systems.\n"
      "# Files like foo.c and foo.C are seen as C source files.\n"
      "# If *.C files are C++ files under these operating systems\n"
      "# or you are operating on NT or UNIX set this option to\n"
      "# case sensitivity equal to Yes.\n");
  w.Flag("Source file names are case sensitive", G.case_sensitive_names);
  w.Text(
      "# KLV will process only files with the following extensions.\n"
      "# The user may add to this list, but KLV is designed to process\n"
      "# only the C, C++ and Java languages.\n");
  w.Flag("Validate file extensions for processing", G.validate_extensions);
  w.Setting("Allowable source code extensions", G.source_extensions);
  w.Text(
      "\n# Names in reports include file, namespace or package, class\n"
      "# and function names.  These names can get quite long and will\n"
      "# extend beyond the report right margin.  This setting will\n"
      "# wrap the name to the report right margin.\n");
  w.Flag("Wrap long names in reports", G.wrap_names);
  w.Text(
      "\n# The following path location specifies where work files\n"
      "# are to be created.  The path must be a location with write\n"
      "# permissions.  KLV will create work files in the current\n"
      "# directory if no path is specified.\n");
  w.Setting("Work file location path", G.work_file_path);
  w.Text(
      "\n# The following parameter, when set to Yes will include\n"
      "# files that are the \"same\" in metrics differential reports.\n"
      "# The number of files with no difference can be large\n"
      "# therefore, the default setting is No.\n");
  w.Flag("Differential reports include equal files", G.diff_include_equal);
  w.Text(
      "\n# Work file generation normally calculates the functional\n"
      "# cyclomatic complexity.  This turns on functional analysis\n"
      "# in the report output.  You can turn off this metric with\n"
      "# the following setting.\n");
  w.Flag("Include cyclo complexity in work files", G.work_file_cyclo);
  w.Text(
      "\n# The following parameter, when set to Yes will cause\n"
      "# the files stored into work files to be relative to the\n"
      "# location where KLV began processing.\n");
  w.Flag("Relative Work Files", G.relative_work_files);
}

// The limits and related settings written after a notice's own setting.
void NoticeLimits(CfgWriter& w, int n, const RunSettings& G) {
  switch (n) {
    case 1: w.Number("Maximum Line Length", G.max_line_length); break;
    case 2:
      w.Number("Maximum Function Name Length", G.max_function_name_length);
      break;
    case 16:
      w.Percent("Minimum Whitespace Percent", G.min_whitespace_percent);
      break;
    case 17: w.Percent("Minimum Comment Percent", G.min_comment_percent); break;
    case 18: w.Number("Maximum Function LOC", G.max_function_eloc); break;
    case 19: w.Number("A TAB is equivalent to n space", G.tab_width); break;
    case 21: w.Setting("KLV KEY String", G.key_string); break;
    case 27:
      w.Number("Maximum functional return points", G.max_return_points);
      w.Flag("Count goto as a function return point", G.goto_is_return);
      break;
    case 28:
      w.Number("Maximum functional cyclomatic complexity", G.max_cyclomatic);
      w.Text(
          "\n# Some interpret the 'for' loop as repetition\n"
          "# rather than a logical branch in cyclomatic complexity\n");
      w.Flag("Include 'for' in cyclomatic complexity", G.cyclo_counts_for);
      break;
    case 29:
      w.Number("Maximum functional interface complexity", G.max_interface);
      break;
    case 39:
      w.Number("Maximum number of methods per class", G.max_class_methods);
      break;
    case 40:
      w.Number("Maximum depth of inheritance tree", G.max_inheritance_depth);
      break;
    case 41:
      w.Number("Maximum number of derived child classes", G.max_child_classes);
      break;
    default: break;
  }
}

void NoticeSettings(CfgWriter& w, const RunSettings& G) {
  w.Text("\n");
  w.Text(kRule);
  w.Text("# KLV Quality Notices Configuration ################################\n");
  for (int n = 1; n <= 44; ++n) {
    w.Line("");
    w.Line(Fmt("# Quality Notice No. %d", n));
    w.Text(kNoticeComments[n]);
    w.Flag(Fmt("Quality Notice %d", n).c_str(), G.notice_enabled[n]);
    NoticeLimits(w, n, G);
  }
}

void ListingSettings(CfgWriter& w, const RunSettings& G) {
  w.Text("\n");
  w.Text(kRule);
  w.Text("# Code Listing Report Configuration ################################\n\n");
  w.Text(
      "# The following parameters setup source code printing.\n"
      "# These values become the default settings.\n");
  w.Number("Printed Line Length", G.line_length);
  w.Number("Printed Page Length", G.page_length);
  w.Number("Printed Left Margin", G.left_margin);
  w.Number("Printed Top Margin", G.top_margin);
  w.Setting("Printed Page Header", G.listing_header);
  w.Flag("Page breaks in code print format", !G.no_page_breaks);
}

void HtmlSettings(CfgWriter& w, const RunSettings& G) {
  w.Text("\n");
  w.Text(kRule);
  w.Text("# HTML Report and Color Configuration ##############################\n\n");
  w.Text(
      "# The following parameters setup HTML report output.  The hyperlinks\n"
      "# for source code can be either absolute or relative.\n");
  w.Flag("Relative HTML Links", G.relative_html_links);
  w.Text(
      "\n# The following color parameters modify the HTML report\n"
      "# output.  Colors can be specified as Hex or Name.\n"
      "# Blank color parameters will result to the browser default.\n");
  const struct {
    const char* key;
    const std::string& value;
  } colours[] = {
      {"HTML Text Color", G.html_text_color},
      {"HTML VLink Color", G.html_vlink_color},
      {"HTML Link Color", G.html_link_color},
      {"HTML Background Color", G.html_background_color},
      {"HTML Function Color", G.html_function_color},
      {"HTML Macro Color", G.html_macro_color},
      {"HTML Class Color", G.html_class_color},
      {"HTML Notice Color", G.html_notice_color},
      {"HTML Header Color", G.html_header_color},
      {"HTML Green Color", G.html_green_color},
      {"HTML Blue Color", G.html_blue_color},
      {"HTML Red Color", G.html_red_color},
      {"HTML Teal Color", G.html_teal_color},
      {"HTML Maroon Color", G.html_maroon_color},
      {"HTML Purple Color", G.html_purple_color},
      {"HTML Brown Color", G.html_brown_color},
  };
  for (const auto& c : colours) w.Setting(c.key, c.value);
}

}  // namespace

std::string CfgTemplate(const RunSettings& G) {
  std::string text;
  CfgWriter w(text);
  Head(w, G);
  OperationalSettings(w, G);
  NoticeSettings(w, G);
  ListingSettings(w, G);
  HtmlSettings(w, G);
  w.Text(kRule);
  w.Line(Fmt("# end of %s", kConfigFileName));
  return text;
}

void ShowCfg(FILE* out, const RunSettings& G) {
  const std::string text = CfgTemplate(G);
  FlushOutput();  // the template follows the report text written before it
  fwrite(text.data(), 1, text.size(), out);
}
