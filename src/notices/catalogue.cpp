#include "notices/emit.h"
#include "base/output.h"

namespace {

// Builds the 46 one-line texts, the limits formatted in as they are now.
std::vector<std::string> BuildNoticeTexts(const RunSettings& G) {
  const double ws = G.min_whitespace_percent;
  const double cm = G.min_comment_percent;
  return {
      "Unsupported",
      Fmt("Physical line length exceeds %d characters", G.max_line_length),
      Fmt("Function name length exceeds %d characters",
          G.max_function_name_length),
      "Ellipsis '...' are identified as function parameters",
      "Assignment '=' within 'if' statement",
      "Assignment '=' within 'while' statement",
      "Pre-decrement operator '--' identified",
      "Pre-increment operator '++' identified",
      "'realloc' function identified",
      "'goto' keyword identified",
      "Non-ANSI function prototype identified",
      "Open and closed brackets '[]' are not equal",
      "Open and closed parenthesis '()' are not equal",
      "'switch' statement does not have a 'default'",
      "'case' conditions do not equal 'break'",
      "Friend class has been identified",
      Fmt("Function white space less than %.1f%%", ws),
      Fmt("Function comment content less than %.1f%%", cm),
      Fmt("Function eLOC exceeds maximum %d eLOC", G.max_function_eloc),
      Fmt("File white space less than %.1f%%", ws),
      Fmt("File comment content less %.1f%%", cm),
      "File does not contain key string",
      "if, else, for or while not bound by scope",
      "'?' ternary operator identified",
      "ANSI C++ keyword identified within C file",
      "Treat *.h files for C++ keywords",
      "void * generic type identified",
      Fmt("Number of function return points exceed %d", G.max_return_points),
      Fmt("Cyclomatic complexity exceeds %d", G.max_cyclomatic),
      Fmt("Number of function parameters exceed %d", G.max_interface),
      "TAB character has been identified",
      Fmt("Class/Struct comments are less than %.1f%%", cm),
      "Using namespace construct identified",
      "Class/Struct definition within a function definition",
      "Class specification contains a pointer to data",
      "Class specification contains public data",
      "Class specification contains protected data",
      "Base Class does not contain a virtual destructor",
      "Exception Handling 'try'- 'catch' has been identified",
      Fmt("Number of class/struct methods exceeds specified maximum %d ",
          G.max_class_methods),
      Fmt("Depth of the Inheritance Tree exceeds the maximum %d ",
          G.max_inheritance_depth),
      Fmt("Number of derived classes exceeds the specified maximum %d ",
          G.max_child_classes),
      "Multiple inheritance has been identified",
      "Keyword 'continue' has been identified",
      "Keyword 'break' identified outside a 'switch' structure",
      "Notice Maximum Reached",
  };
}

}  // namespace

void FormatNoticeTexts(RunSettings& G) { G.notice_texts = BuildNoticeTexts(G); }

std::string GetNoticeStr(int n, const RunSettings& G) {
  if (n < 1 || n > 45) return "Unsupported";
  // Not yet formatted (a help screen shown while the options are read):
  // the texts with the limits as they stand.
  const size_t at = static_cast<size_t>(n);
  if (G.notice_texts.empty()) return BuildNoticeTexts(G)[at];
  return G.notice_texts[at];
}
