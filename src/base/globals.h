// The state of one klv run, in groups by owner: the settings fixed before
// the first file (RunSettings), the report stream (ReportSink), what one
// file's analysis owns (FileWork) and what the run accumulates over its
// files (RunTotals). One `Globals` holds them all for the run and is passed
// to nearly every routine as `G`; a parallel run gives each analysis thread
// a Globals of its own with a copy of the settings.
#ifndef KLV_BASE_GLOBALS_H_
#define KLV_BASE_GLOBALS_H_

#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "lists/define_index.h"
#include "lists/llist.h"
#include "lists/macro_names.h"
#include "lists/name_data.h"
#include "lists/name_filter.h"
#include "lists/node_data.h"
#include "lists/shared_names.h"
#include "lists/shared_records.h"
#include "base/tree_node.h"

// The line, keyword and symbol counters of one file (or, summed, of the
// project). eLOC = loc - brace_lines - paren_lines; lLOC = statements -
// for_count.
struct FileMetrics {
  int32_t do_count = 0;
  int32_t macro_count = 0;
  int32_t notice_count = 0;
  int32_t union_count = 0;
  int32_t friend_count = 0;
  int32_t alloc_count = 0;
  int32_t free_count = 0;
  int32_t new_count = 0;
  int32_t delete_count = 0;
  int32_t typedef_count = 0;
  int32_t enum_count = 0;
  int32_t lines = 0;
  int32_t characters = 0;
  int32_t comment_lines = 0;
  int32_t statements = 0;
  int32_t loc = 0;
  int32_t blank_lines = 0;
  int32_t define_count = 0;
  int32_t include_count = 0;
  int32_t import_count = 0;
  int32_t string_count = 0;
  int32_t lparen_count = 0;
  int32_t rparen_count = 0;
  int32_t openbrace_count = 0;
  int32_t closebrace_count = 0;
  int32_t lbracket_count = 0;
  int32_t rbracket_count = 0;
  int32_t default_count = 0;
  int32_t break_count = 0;
  int32_t return_count = 0;
  int32_t const_count = 0;
  int32_t _exit_count = 0;
  int32_t abort_count = 0;
  int32_t exit_count = 0;
  int32_t while_count = 0;
  int32_t for_count = 0;
  int32_t switch_count = 0;
  int32_t if_count = 0;
  int32_t else_count = 0;
  int32_t goto_count = 0;
  int32_t case_count = 0;
  int32_t class_count = 0;
  int32_t interface_count = 0;
  int32_t struct_count = 0;
  int32_t template_count = 0;
  int32_t spaces = 0;
  int32_t paren_lines = 0;
  int32_t brace_lines = 0;
  int32_t inline_count = 0;
  int32_t function_count = 0;
  int32_t namespace_count = 0;
  int32_t package_count = 0;
  int32_t using_count = 0;
  int32_t virtual_count = 0;
};

int32_t Eloc(const FileMetrics& m);
int32_t Lloc(const FileMetrics& m);
// loc + blank_lines + comment_lines; can exceed the physical line count.
int32_t TotalLogicalLines(const FileMetrics& m);

// Adds `by` to a counter, stopping at the largest 32-bit value instead of
// overflowing (project totals over huge trees).
inline void Bump(int32_t& counter, int64_t by) {
  int64_t sum = int64_t{counter} + by;
  if (sum > INT32_MAX) sum = INT32_MAX;
  if (sum < INT32_MIN) sum = INT32_MIN;
  counter = static_cast<int32_t>(sum);
}

// One open class, struct or interface body: what it has
// counted and the file's counters when its body opened. The innermost one
// is FileState::cls; the ones enclosing it wait on FileState::class_stack.
struct ClassLevel {
  std::string name;              // qualified; interfaces without "Interface-"
  std::string template_line;     // formatted template header, or empty
  std::string inheritance_line;  // formatted base list, or empty
  int is_struct = 0;
  int is_interface = 0;
  int is_record = 0;     // a Java record
  int local = 0;         // opened inside a function body
  int scope = 0;         // brace depth inside it (1: directly in its body)
  int inner_init = 0;    // the block open at depth 2 is an initialiser
  int start_line = 0;
  int access = 1;        // 1 private, 2 protected, 3 public
  int default_access = 1;
  int methods[3] = {};     // public, protected, private
  int attributes[3] = {};  // public, protected, private
  int virtual_seen = 0;
  int virtual_destructor_seen = 0;
  // The file's counters when the body opened.
  int32_t begin_loc = 0;
  int32_t begin_lloc = 0;
  int32_t begin_comments = 0;
  int32_t begin_blanks = 0;
  int32_t begin_noneffective = 0;
  int32_t begin_spaces = 0;
  int32_t begin_characters = 0;
  // Its record in the class or interface list; null for a name that is a
  // namespace's.
  NodeData* record = nullptr;
};

// The per-file state of the analysis, in groups by who writes them. All of
// it belongs to the file being analysed and is cleared between files by
// `ResetState`, so an unterminated comment or string never leaks into the
// next file.

// Written only by the line parser (src/analysis) as it reads each line;
// the recognisers and notices read it.
struct LineParserState {
  // Language of the current file, from its extension.
  int c_file = 0;
  int cpp_file = 0;
  int java_file = 0;
  // Which of the run's file-type counters WhichFile raised for this file
  // (a FileKind of base/file_type.h; 0: none).
  int file_kind = 0;
  int key_string_found = 0;

  // Lexical state carried from line to line.
  int in_c_comment = 0;
  int in_line_comment = 0;
  int in_string = 0;
  int in_char = 0;
  int c_comment_line = 0;
  // How the open string literal ends (a StringKind of
  // analysis/literal_forms.h), and a raw string's delimiter.
  int string_kind = 0;
  std::string raw_delimiter;
  int first_line = 1;
  std::string last_code_line;

  // Preprocessor state.
  int function_macro = 0;
  std::string macro_name;  // name of the last #define
  int define_flag = 0;

  // What the parser notes of the code for the recognisers.
  int assignment_flag = 0;
  int template_beg_flag = 0;
  int using_flag = 0;
  int enum_state = 0;
  int friend_flag = 0;
  int friend_class = 0;
  int catch_flag = 0;
  int switch_brace = 0;
  int if_condition = 0;
  int while_condition = 0;
  int paren_skip = 0;       // set by class-header reading: ignore one '(' .. ')'
  int angle_depth = 0;
  int bracket_depth = 0;
  std::string namespace_name;
  // The last template header, without comments, waiting for its function
  // or class.
  std::string template_header;
  // Where the last class, struct or interface keyword stood: local_paren
  // and angle_depth there, its line, and the index after it on that line.
  int header_paren = 0;
  int header_angle = 0;
  int header_line = 0;
  int header_pos = 0;

  // The last control statement (1 do, 2 else, 3 for, 4 if, 5 while), its
  // line and parenthesis depth, and the line after which its body is
  // expected without a brace (notice 22, which clears it once raised).
  int control_kind = 0;
  int control_line = 0;
  int control_paren = 0;
  int control_body_line = 0;
  // On line `scope_scan_line` a '{' is known to follow every index below
  // `scope_scan_until`, so the body check need not search again.
  int scope_scan_line = 0;
  int scope_scan_until = 0;

  // Text of the current line collected for -Es, -Ec and -C.
  std::string extract_buffer;
};

// Written by both the line parser and the recognisers: what the two hand
// each other. The parser counts braces, parentheses and the keywords of a
// function body and marks the keywords that open a scope; the recognisers
// open and close the scopes those marks announce, and start each
// function's counts from zero.
struct SharedScopeState {
  // Comment runs: the block of comment lines written above a function.
  int comment_run_open = 0;
  int comment_run_lines = 0;
  int preproc_flag = 0;

  int local_brace = 0;
  int local_paren = 0;
  int class_flag = 0;
  int funcname_flag = 0;
  int typedef_flag = 0;
  int instantiate_colon_flag = 0;
  int namespace_flag = 0;
  int namespacebeg_flag = 0;
  int namespace_scope = 0;
  int switch_flag = 0;
  int pointer_marker = 0;   // a '*' was seen in code on this declaration
  // A `static` ended its line: a '{' opening a following line starts a
  // static block.
  int static_brace_wait = 0;

  // Class, struct and interface keywords: the header is open (until its
  // brace), which kind it is, and a declaration rather than a definition.
  int class_header_pending = 0;
  int record_pending = 0;  // a Java record header
  int struct_pending = 0;
  int interface_pending = 0;
  int class_declaration = 0;

  // Per-function decision and statement counters.
  int func_semicolon_count = 0;
  int func_ternary_count = 0;
  int func_and_count = 0;
  int func_or_count = 0;
  int func_fallthrough_count = 0;

  // Per-function keyword counters.
  int func_if_count = 0;
  int func_while_count = 0;
  int func_for_count = 0;
  int func_case_count = 0;
  int func_default_count = 0;
  int func_switch_count = 0;
  int func_break_count = 0;
  int func_goto_count = 0;
};

// Written only by the function recogniser (src/recognise): the function
// candidate, recognised at a '(' outside any body, its parameters counted
// up to its opening brace, its body measured up to the matching closing
// brace; and the function sums of the file.
struct FunctionState {
  std::string func_name;
  int param_scan_flag = 0;      // commas count parameters
  int param_pending = 0;        // the '(' ended its line before a parameter
  int macro_call_flag = 0;      // the name looks like a macro invocation
  int function_template_flag = 0;
  std::string function_template_line;  // formatted template header
  int inline_function_flag = 0;
  int func_param_count = 0;
  int param_paren_depth = 0;    // local_paren just inside the list's '('
  int param_list_start = -1;    // a later '(' of the line opens the list
  int param_list_open_at = -1;  // index of the list's '(' ...
  int param_list_open_line = 0;  // ... on this line
  int param_angle_depth = 0;    // angle depth at the list's '('
  // The state of a parameter list that has closed: a ';' then ends a
  // prototype, unless the parameters are declared before the body.
  int param_list_closed = 0;
  int param_list_closed_line = 0;
  int paren_after_list = 0;
  int knr_declarations = 0;     // parameters declared between ')' and '{'
  int init_brace_depth = 0;     // braces of 'v{1}' in an initialiser list
  // Where the line `operator_scan_text` (line number operator_scan_line)
  // holds its first word "operator" (-1: not before operator_scan_upto,
  // the part searched so far).
  const char* operator_scan_text = nullptr;
  int operator_scan_line = 0;
  int operator_scan_upto = 0;
  int operator_scan_at = -1;
  int func_body_open = 0;
  int func_start_line = 0;
  int func_end_line = 0;
  // The file's counters when the body opened.
  int32_t func_begin_loc = 0;
  int32_t func_begin_comments = 0;
  int32_t func_begin_blanks = 0;
  int32_t func_begin_noneffective = 0;  // brace-only + paren-only lines
  int32_t func_begin_spaces = 0;
  int32_t func_begin_characters = 0;
  int32_t func_begin_brackets = 0;      // '[' minus ']'
  int32_t func_begin_parens = 0;        // '(' minus ')'
  int func_return_count = 0;

  // A static initialiser block is open; it closes at the '}' that brings
  // the file's '{' count minus its '}' count back to static_block_balance.
  int static_block_flag = 0;
  int32_t static_block_balance = 0;

  // Function sums of the file.
  int32_t file_cyclomatic = 0;
  int32_t file_params = 0;
  int32_t file_returns = 0;
  int32_t file_func_loc = 0;
  int32_t file_func_eloc = 0;
  int32_t file_func_lloc = 0;
  int32_t file_func_comments = 0;
  // Largest values over the file's functions.
  int32_t file_max_loc = 0;
  int32_t file_max_eloc = 0;
  int32_t file_max_lloc = 0;
  int32_t file_max_params = 0;
  int32_t file_max_returns = 0;
  int32_t file_max_cyclomatic = 0;
  int32_t file_max_total = 0;  // parameters + returns + cyclomatic
};

// Written only by the class recogniser (src/recognise): the class header
// being read, and the open class bodies.
struct ClassState {
  std::string class_name;
  // A Java record header: its component list, its components counted.
  int record_list_open = 0;
  int record_angle_depth = 0;
  int record_components = 0;
  int inheritance_flag = 0;
  std::string inheritance_line;  // the base list read so far
  int class_name_pending = 0;   // the name is the next line's first token
  std::string header_name;      // the name read so far, qualified
  int base_list_open = 0;       // the base list goes on on the next line
  // Parentheses of header decorations ('alignas(8)', '__declspec(x)') on
  // line decor_line before index decor_end name no function.
  int decor_line = 0;
  int decor_end = -1;
  // The open class bodies: the innermost, and those enclosing it
  // (nested_class_depth of them).
  int nested_class_depth = 0;
  ClassLevel cls;
  std::vector<ClassLevel> class_stack;
  // The member declaration being read directly in the innermost body.
  int method_pending = 0;      // a '(' made it a method
  int method_counted = 0;      // counted already (its body opened)
  int declarator_commas = 0;   // commas between its declarators
  int decl_assigned = 0;       // an '=' was seen on it
  int decl_virtual = 0;        // "virtual" was seen on it
  int member_body_closed = 0;  // a body (method, nested class) closed on it
};

struct FileState : LineParserState,
                   SharedScopeState,
                   FunctionState,
                   ClassState {};

// What the --sarif and --json reports keep of each analysed file: its
// name, the language it was analysed as (0 none, 1 C, 2 C++, 3 Java), size
// and date, its counters, and the sums over its functions.
struct FileFigures {
  std::string name;
  int language = 0;
  int64_t size = 0;
  int64_t mtime = 0;
  FileMetrics metrics;
  int32_t function_params = 0;
  int32_t function_returns = 0;
  int32_t function_cyclomatic = 0;
};

// A notice issued in the run, for the --sarif and --json reports: the index
// of its file in `file_figures`, its line, number and, for notice 22, the
// control kind (1 do, 2 else, 3 for, 4 if, 5 while).
struct IssuedNotice {
  int32_t file = 0;
  int32_t line = 0;
  int16_t number = 0;
  int16_t control_kind = 0;
};

// Running values of the CSV row statistics: the number of rows and the
// total, minimum and maximum of each column.
struct CsvAccumulator {
  int32_t count = 0;
  double total[16] = {};
  double min[16] = {};
  double max[16] = {};
};

// Closes a stdio stream when its owner goes away.
struct FileCloser {
  void operator()(FILE* f) const {
    if (f != nullptr) fclose(f);
  }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

// What is fixed for the run once the command line, the environment and the
// configuration are read: written only by the driver's start-up, before
// the first file is analysed. A parallel run copies it for each analysis
// thread and never writes it again.
struct RunSettings {
  // Run environment.
  int debug_flag = 0;
  int class_debug_flag = 0;
  int arg_count = 0;
  char** arg_values = nullptr;
  std::string program_name;
  std::string program_dir;
  std::string current_dir;
  std::string klv_home;
  std::string system_path;
  std::string config_file_path;
  std::string macro_file_path;
  std::string output_file_name;
  std::string version = "6.01";

  // Option flags.
  int csv_mode = 0;
  int csv_summary = 0;
  int csv_function_lines = 0;
  int automated_mode = 0;
  int memory_flag = 0;
  int benchmark_flag = 0;
  int comment_doc_flag = 0;
  int template_mode_flag = 0;
  int complexity_flag = 0;
  int convert_flag = 0;
  int convert_tabs = 0;
  int convert_unix = 0;
  int convert_dos = 0;
  int line_display_flag = 0;
  int extract_flag = 0;
  int extract_strings = 0;
  int extract_comments = 0;
  int estimate_flag = 0;
  int function_flag = 0;
  int file_list_flag = 0;
  int html_flag = 0;
  int inherit_flag = 0;
  int sort_flag = 0;
  int sort_key = 0;
  int function_list_flag = 0;
  int macro_flag = 0;
  int notice_flag = 0;
  int notice_format_single = 0;
  int notice_format_visual = 0;
  int notice_list_flag = 0;
  int notice_by_line_flag = 0;
  int object_flag = 0;
  int print_flag = 0;
  int sort_names_flag = 0;
  int summary_flag = 0;
  int totals_flag = 0;
  int totals_all = 0;
  int totals_functions = 0;
  int totals_classes = 0;
  int totals_interfaces = 0;
  int totals_namespaces = 0;
  int totals_profile = 0;
  int totals_notices = 0;
  int totals_summary = 0;
  int no_file_names = 0;
  int verbose_flag = 0;
  int work_flag = 0;
  int work_diff_flag = 0;
  int report_option_flag = 0;
  int file_summary_flag = 0;
  int recursive_mode = 0;

  // Options recorded for the modes built on them: the pause of the short
  // syntax screen, the -r/-F input, the -R modifiers, the -T work-diff and
  // no-listing selections, the work file of -w and the CSV report of -X.
  int pause_flag = 0;
  int dir_no_recurse = 0;
  int list_files_only = 0;
  int totals_work_diff = 0;
  int totals_no_listing = 0;
  int csv_file_report = 0;
  // The fields of the configured CSV report: slot n (1..72) above 0
  // selects field n, and the slot values give the column order.
  int csv_field_order[73] = {};
  std::string input_spec;
  std::string work_file_name;
  std::string csv_report_cfg_name;

  // Configuration values.
  int case_sensitive_names = 0;
  int validate_extensions = 1;
  std::string source_extensions = "c,cc,cpp,cxx,C,CC,h,hh,H,hxx,java,jav";
  int wrap_names = 1;
  std::string work_file_path;
  int diff_include_equal = 1;
  int work_file_cyclo = 1;
  int cyclo_counts_for = 1;
  int goto_is_return = 1;
  int max_line_length = 80;
  int max_function_name_length = 32;
  int max_function_eloc = 200;
  int max_return_points = 1;
  int max_interface = 6;
  int max_cyclomatic = 10;
  int max_class_methods = 100;
  int max_inheritance_depth = 4;
  int max_child_classes = 10;
  float min_comment_percent = 10.0f;
  float min_whitespace_percent = 10.0f;
  int tab_width = 2;
  std::string key_string;
  int key_string_set = 0;
  int relative_work_files = 1;
  int relative_html_links = 1;
  int no_page_breaks = 1;
  int line_length = 80;
  int page_length = 55;
  int left_margin = 5;
  int top_margin = 1;
  std::string listing_header = "KLV Code Listing";
  // Built once per listing run: the margin, the page rules, the title line.
  std::string left_margin_text;
  std::string top_bar;
  std::string bottom_bar;
  std::string title_line;
  int notice_enabled[46] = {};
  int h_files_cpp = 0;

  // HTML colours (at most 19 characters each).
  std::string html_text_color = "#000000";
  std::string html_vlink_color = "#660099";
  std::string html_link_color = "#0000EE";
  std::string html_background_color;
  std::string html_function_color = "GREEN";
  std::string html_macro_color = "TEAL";
  std::string html_class_color = "PURPLE";
  std::string html_notice_color = "RED";
  std::string html_header_color = "BROWN";
  std::string html_green_color = "GREEN";
  std::string html_blue_color = "BLUE";
  std::string html_red_color = "RED";
  std::string html_teal_color = "TEAL";
  std::string html_maroon_color = "MAROON";
  std::string html_purple_color = "PURPLE";
  std::string html_brown_color = "BROWN";

  // One-line notice texts, formatted with the limits once the settings are
  // complete (FormatNoticeTexts).
  std::vector<std::string> notice_texts;

  // --sarif=FILE and --json=FILE; with either, the figures of every
  // analysed file and every notice issued are kept (RunTotals).
  std::string sarif_file_name;
  std::string json_file_name;
  int keep_figures = 0;
  // Threads analysing files (-j, KLVJOBS; the driver starts a run with one
  // per available core); 1 is the serial run.
  int jobs = 1;
};

// Where the report goes: the output stream, and its owner when it is a
// file named with -O. Written by the driver's start-up and end of run.
struct ReportSink {
  FILE* output = stdout;
  FilePtr output_owner;
  // The -O file did not exist before this run opened it (driver/run_files).
  bool output_created = false;
};

// A file analysed apart from the run, on a thread of a parallel run. The
// run's accumulated names (macro, class, interface and namespace names) are
// not at hand there: the file is given the names the quick scan found in
// the files before it and copies of the run's class records, and logs
// what it asked, so the merge step can check the answers against the run
// before taking the file's results.
// It also keeps the CSV file rows it would have added to the run's
// statistics, to be added at the merge in the same order.
struct ApartLog {
  bool active = false;
  size_t file_index = 0;
  const DefineIndex* macros_before = nullptr;
  const DefineIndex* namespaces_before = nullptr;
  // The macro names asked about that the file had not defined itself. The
  // scan's answer to each is the run's unless the scan of an earlier file
  // got that very name wrong, which the merge step knows.
  NameFilter macro_names;
  // Namespace names the file had not defined itself, with the answer given.
  std::vector<std::pair<std::string, bool>> namespace_names;
  // Class and interface names looked up and found neither in the file's
  // own records nor among the run's.
  std::vector<std::string> class_names;
  std::vector<std::string> interface_names;
  // The interface names (as stored) of the files merged so far: a file
  // that looks one of them up will be analysed again at its merge, so its
  // analysis apart stops there.
  const SharedNames* merged_records = nullptr;
  // The run's class records as merged so far. A class the file finds
  // there is worked on in a copy, listed in the file's index under the
  // name it was found by; the merge puts the copy in the record's place
  // when the record is still what it was when copied.
  const SharedRecords* run_classes = nullptr;
  struct BorrowedRecord {
    std::string name;
    NodeData* run_record;  // the run's, not to be touched apart
    NodeData before;       // the run's record when copied
    std::unique_ptr<NodeData> copy;
  };
  std::vector<BorrowedRecord> borrowed;
  // The names of copies the file took out of its index again, as the run
  // would have taken them out of its own: no longer the run's to find.
  std::vector<std::string> unlisted;
  // Progress text for standard output, shown when the file is merged.
  std::string progress;
  // The values of the file's CSV file rows, for the run's statistics.
  std::vector<std::array<double, 16>> csv_file_rows;
};

// What one file's analysis owns: its name and date, the lexer and
// recogniser state, and its counters. The analysis and the recognisers of
// the file write it; ResetState clears it between files.
struct FileWork {
  // Parser and recogniser state of the current file. First, as FileWork is
  // Globals' first part: handing the parser state or the file's work on
  // from the whole state costs no address arithmetic.
  FileState parse;

  // Current file.
  std::string file_name;
  int64_t file_size = 0;
  time_t file_mtime = 0;

  // Its counters.
  FileMetrics metrics;

  // Set when the file is analysed apart (a parallel run).
  ApartLog apart;
};

// What the run accumulates over its files: project counters, the lists of
// recognised things, notices and figures. In a serial run the analysis
// adds to it directly; in a parallel run each file is analysed into a
// record of its own and the merge step adds that here, in file order.
struct RunTotals {
  int files_processed = 0;
  // Reads and writes that failed: a source file read part way, a work file
  // refused or not loaded. The run then ends with status 255.
  int run_failures = 0;
  int file_count = 0;

  FileMetrics totals;
  int64_t total_bytes = 0;
  int32_t c_source_count = 0;
  int32_t cpp_source_count = 0;
  int32_t c_header_count = 0;
  int32_t cpp_header_count = 0;
  int32_t java_file_count = 0;
  int32_t other_file_count = 0;
  int32_t total_files = 0;
  int32_t notice_type_count[46] = {};

  // CSV row statistics of the file rows and of the function rows.
  CsvAccumulator csv_files;
  CsvAccumulator csv_functions;

  // Lists.
  Llist<NameData> file_list;  // headers first, then the other sources
  Llist<NodeData> function_list;  // every function of the run
  // Every named namespace and package of the run (name, file, line), kept
  // in name order for lookup; at report time they collect the measures of
  // their functions and classes.
  Llist<NodeData> namespace_list;
  // Every class and struct of the run, and every interface (stored as
  // "Interface-" + its name); filled by the class recogniser, read by the
  // class reports and the inheritance tree.
  Llist<NodeData> class_list;
  Llist<NodeData> interface_list;
  // The inheritance forest and its lost-child list, built from class_list
  // after the last file (-i, -Ta and the totals modes that imply -i).
  InheritanceTree tree;
  // A nested class was opened somewhere in the run.
  int nested_seen = 0;
  // The records of class_list and interface_list by their stored names,
  // kept by the class recogniser (records keep their addresses in a list).
  std::unordered_map<std::string, NodeData*> class_index;
  std::unordered_map<std::string, NodeData*> interface_index;
  // The macro names #defined so far, for the analysis of the next file.
  // A parallel run brings them up to date only before a file analysed on
  // the main thread, and not after the last file: nothing reads them then.
  MacroNames macro_list;
  std::vector<NameData> notice_list;
  // The names of namespace_list, for the first-seen test.
  std::unordered_set<std::string> namespace_names;
  // Report time: the namespace records' measures were cleared of anything
  // added while parsing (each function and class is added once, by the
  // statistics passes), and the functions were attributed.
  int namespace_sums_started = 0;
  int namespace_functions_added = 0;

  // The figures of every analysed file and every notice issued, for
  // --sarif and --json.
  std::vector<FileFigures> file_figures;
  std::vector<IssuedNotice> issued_notices;

  // The file list being read and the work file being written: the
  // driver's.
  FilePtr file_list_file;  // the -F list file while it is read
  FilePtr work_file;  // the work file being written (-w)
};

// The state of one run, grouped by owner (see each group). FileWork comes
// first (see FileWork::parse).
struct Globals : FileWork, RunSettings, ReportSink, RunTotals {};

// Sets the defaults of a run; the output goes to standard output.
void Init_Globals(Globals& G);
// Clears the per-file counters and parser state after a file is analysed.
void ResetState(FileWork& G);
// Adds every counter of `from` to `into`, each stopping at the largest
// 32-bit value.
void AddCounters(FileMetrics& into, const FileMetrics& from);
// Adds the current file's counters into the project's.
void AddTotal(Globals& G);
// Copies the project's counters over the current file's, so report routines
// print project figures; sets total_files.
void SetTotal(Globals& G);

long double Avg(int value, int count);
long double AvgD(double value, double count);
int MinMax_int(int value, int* min, int* max, int first);
void MinMax_double(double value, double* min, double* max, int first);

#endif  // KLV_BASE_GLOBALS_H_
