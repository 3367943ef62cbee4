// A function's body from its opening to its closing brace: the counters
// taken when it opens, and at its end the function's measures, its
// notices, its record in the function list and its report lines.
#include <cerrno>
#include <cstring>
#include <string>

#include "base/control_record.h"
#include "base/strippers.h"
#include "lists/add_node.h"
#include "notices/notices.h"
#include "recognise/class_seams.h"
#include "recognise/functions.h"
#include "recognise/scope.h"
#include "base/error_block.h"
#include "base/output.h"

namespace {

int32_t NonEffectiveLines(const FileMetrics& M) {
  return static_cast<int32_t>(int64_t{M.brace_lines} + M.paren_lines);
}

// A running maximum; a maximum of 0 is always replaced.
void KeepMax(int32_t& max, int32_t value) {
  if (max == 0 || value > max) max = value;
}

// The measures of a function at its closing brace.
struct FunctionMeasures {
  int loc = 0;
  int eloc = 0;
  int lloc = 0;
  int comments = 0;
  int blanks = 0;
  int lines = 0;
  int params = 0;
  int returns = 0;
  int cyclo = 0;
  double whitespace_percent = 0;
};

FunctionMeasures Measure(const Globals& G) {
  const FileState& P = G.parse;
  const FileMetrics& M = G.metrics;
  FunctionMeasures m;
  m.loc = M.loc - P.func_begin_loc + 1;
  m.eloc = m.loc - (NonEffectiveLines(M) - P.func_begin_noneffective);
  m.lloc = P.func_semicolon_count - P.func_for_count;
  m.comments = M.comment_lines - P.func_begin_comments;
  m.blanks = M.blank_lines - P.func_begin_blanks;
  m.lines = M.lines - P.func_start_line + 1;
  const int64_t characters = int64_t{M.characters} - P.func_begin_characters;
  if (characters > 0) {
    m.whitespace_percent =
        100.0 * static_cast<double>(int64_t{M.spaces} - P.func_begin_spaces) /
        static_cast<double>(characters);
  }
  if (int64_t{m.loc} + m.comments + m.blanks == 0) m.loc = 1;
  m.params = P.func_param_count;
  m.returns = P.func_return_count;
  m.cyclo = GetCycloComplexity(G);
  return m;
}

// The function-level notices, in their fixed order; the file's maxima of
// parameters and return points are updated before the limits on them.
void CheckFunction(const FunctionMeasures& m, Globals& G) {
  FileState& P = G.parse;
  const FileMetrics& M = G.metrics;
  EmitFunctionNameNotice(P.func_name, G);
  if (P.knr_declarations) EmitNonAnsiPrototypeNotice(G);
  if (M.lbracket_count - M.rbracket_count != P.func_begin_brackets) {
    EmitBracketBalanceNotice(G);
  }
  if (M.lparen_count - M.rparen_count != P.func_begin_parens) {
    EmitParenBalanceNotice(G);
  }
  if (P.func_default_count < P.func_switch_count) EmitSwitchDefaultNotice(G);
  if (int64_t{P.func_break_count} + m.returns + P.func_fallthrough_count <
      int64_t{P.func_case_count} + P.func_default_count) {
    EmitCaseBreakNotice(G);
  }
  const int64_t commented = int64_t{m.loc} + m.comments;
  if (commented > 0) {
    EmitFunctionCommentNotice(100.0 * m.comments / static_cast<double>(commented),
                              G);
  }
  EmitFunctionWhitespaceNotice(m.whitespace_percent, G);
  EmitFunctionElocNotice(m.eloc, G);
  KeepMax(P.file_max_params, m.params);
  KeepMax(P.file_max_returns, m.returns);
  Notice_Return_Limit(m.returns, G);
  Notice_Interface_Limit(m.params, G);
  Notice_Logical_Limit(m.cyclo, G);
}

// The file's function sums and maxima of complexity.
void AddToFile(const FunctionMeasures& m, FileState& P) {
  Bump(P.file_func_loc, m.loc);
  Bump(P.file_func_eloc, m.eloc);
  Bump(P.file_func_lloc, m.lloc);
  Bump(P.file_func_comments, m.comments);
  Bump(P.file_cyclomatic, m.cyclo);
  Bump(P.file_returns, m.returns);
  Bump(P.file_params, m.params);
  KeepMax(P.file_max_cyclomatic, m.cyclo);
  const int64_t total = int64_t{m.params} + m.returns + m.cyclo;
  KeepMax(P.file_max_total, total > INT32_MAX ? INT32_MAX
                                              : static_cast<int32_t>(total));
}

// An out-of-class definition ('A::f') brings all its measures to its
// class; a method defined in its class only its complexity, since the
// class counts the lines of its body already.
void AttributeToClass(const FunctionMeasures& m, Globals& G) {
  const FileState& P = G.parse;
  const bool scoped = P.func_name.find("::") != std::string::npos;
  if (!P.class_flag && scoped) {
    Add_Func2Class(m.loc, m.eloc, m.lloc, m.comments, m.blanks, m.lines,
                   m.cyclo, m.params, m.returns, G);
  } else if (P.class_flag &&
             (scoped || P.func_name.find('.') != std::string::npos)) {
    Add_Func2Class(0, 0, 0, 0, 0, 0, m.cyclo, m.params, m.returns, G);
  }
}

bool AddRecord(const FunctionMeasures& m, Globals& G) {
  const FileState& P = G.parse;
  NodeData record;
  record.name = P.func_name;
  if (P.function_template_flag) record.sub_name = P.function_template_line;
  record.file = G.file_name;
  record.line = G.metrics.lines;
  record.params = m.params;
  record.loc = m.loc;
  record.eloc = m.eloc;
  record.lloc = m.lloc;
  record.comments = m.comments;
  record.blanks = m.blanks;
  record.lines = m.lines;
  record.cyclo = m.cyclo;
  record.returns = m.returns;
  // A file analysed apart keeps its functions in the order found; the
  // merge step adds them to the run's list in its order.
  const int key = G.apart.active ? 0 : G.sort_key;
  if (AddListNode(key, std::move(record), G.function_list)) return true;
  OutMemoryError(G, errno);
  return false;
}

// Closes the candidate after its body: the parser state it touched goes
// back to the state between functions.
void CloseFunction(FileWork& G) {
  FileState& P = G.parse;
  DropCandidate(P);
  P.func_body_open = 0;
  P.local_brace = 0;
  P.typedef_flag = 0;
  P.preproc_flag = 0;
  P.switch_flag = 0;
  P.static_brace_wait = 0;
  ClearControl(G);
}

}  // namespace

bool FunctionMetricsWanted(const RunSettings& G) {
  return G.function_flag || G.complexity_flag || G.estimate_flag ||
         G.csv_mode || G.comment_doc_flag;
}

int GetCycloComplexity(const Globals& G) {
  const FileState& P = G.parse;
  int64_t cyclo = int64_t{1} + P.func_if_count + P.func_while_count +
                  P.func_ternary_count + P.func_goto_count +
                  P.func_case_count + P.func_or_count + P.func_and_count;
  if (G.cyclo_counts_for) cyclo += P.func_for_count;
  return cyclo > INT32_MAX ? INT32_MAX : static_cast<int>(cyclo);
}

void BeginFunctionBody(const char* line, Globals& G) {
  FileState& P = G.parse;
  FileMetrics& M = G.metrics;
  // Only a name with blanks ('operator +=', 'Map<class T>') changes.
  if (P.func_name.find_first_of(" \t") != std::string::npos) {
    FormatTemplateLine(P.func_name);
  }
  if (P.class_flag) ClassMethod(line, G);
  if (G.debug_flag) Out(G, "Enter begin function check\n");
  P.param_scan_flag = 0;
  P.param_pending = 0;
  P.func_start_line = M.lines;
  if (FunctionMetricsWanted(G) || G.function_list_flag) {
    if (G.notice_flag && !G.function_list_flag) FunctionBegin(G);
    if (G.function_list_flag) EmitFunction(G);
  }
  // A comment block directly above the function counts as its comments.
  P.func_begin_loc = M.loc;
  P.func_begin_comments = M.comment_lines - P.comment_run_lines;
  P.func_begin_blanks = M.blank_lines;
  P.func_begin_noneffective = NonEffectiveLines(M);
  P.func_begin_spaces = M.spaces;
  P.func_begin_characters = M.characters;
  P.func_begin_brackets = M.lbracket_count - M.rbracket_count;
  P.func_begin_parens = M.lparen_count - M.rparen_count;
  P.comment_run_open = 0;
  P.comment_run_lines = 0;
  Bump(M.function_count, 1);
  P.local_brace = 1;
  P.func_body_open = 1;
  P.func_return_count = 0;
  P.func_switch_count = 0;
  P.func_default_count = 0;
  P.func_case_count = 0;
  P.func_break_count = 0;
  P.func_if_count = 0;
  P.func_while_count = 0;
  P.func_ternary_count = 0;
  P.func_for_count = 0;
  P.func_semicolon_count = 0;
  P.func_goto_count = 0;
  P.func_or_count = 0;
  P.func_and_count = 0;
  P.func_fallthrough_count = 0;
}

bool EndFunctionBody(Globals& G) {
  FileState& P = G.parse;
  if (!FunctionMetricsWanted(G) && !G.function_list_flag) {
    // Classes keep their functions' measures in every mode.
    if (P.func_return_count == 0) P.func_return_count = 1;
    AttributeToClass(Measure(G), G);
    CloseFunction(G);
    return true;
  }
  if (G.debug_flag) Out(G, "Closing Function: %s at }\n", P.func_name.c_str());
  if (P.func_return_count == 0) P.func_return_count = 1;
  const FunctionMeasures m = Measure(G);
  CheckFunction(m, G);
  AddToFile(m, P);
  P.func_end_line = G.metrics.lines;
  AttributeToClass(m, G);
  if (!AddRecord(m, G)) {
    CloseFunction(G);
    return false;
  }
  if (!G.function_list_flag) {
    if (G.notice_flag) {
      FunctionEnd(G);
    } else {
      EmitFunction(G);
    }
    ShowFunction(m.loc, m.eloc, m.lloc, m.comments, m.lines, G);
  }
  KeepMax(P.file_max_loc, m.loc);
  KeepMax(P.file_max_eloc, m.eloc);
  KeepMax(P.file_max_lloc, m.lloc);
  CloseFunction(G);
  return true;
}
