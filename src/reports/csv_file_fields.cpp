#include "reports/csv_file_fields.h"

#include <strings.h>

#include "base/file_type.h"
#include "reports/csv_field.h"
#include "base/output.h"

namespace {

// numerator / divisor; 0 when the divisor is 0.
double Ratio(double numerator, double divisor) {
  return divisor == 0 ? 0.0 : numerator / divisor;
}

// Characters that are not white space.
double Visible(const FileMetrics& M) {
  return static_cast<double>(M.characters) - M.spaces;
}

double Eloc_(const Globals& G) { return Eloc(G.metrics); }
double Lloc_(const Globals& G) { return Lloc(G.metrics); }
double Logical(const Globals& G) { return TotalLogicalLines(G.metrics); }
double CharsPerLine(const Globals& G) {
  const FileMetrics& M = G.metrics;
  return Ratio(Visible(M), static_cast<double>(M.loc) + M.comment_lines);
}
double LocPerLogical(const Globals& G) {
  return Ratio(G.metrics.loc, TotalLogicalLines(G.metrics));
}
double ElocPerLogical(const Globals& G) {
  return Ratio(Eloc(G.metrics), TotalLogicalLines(G.metrics));
}
double CommentsPerLogical(const Globals& G) {
  return Ratio(G.metrics.comment_lines, TotalLogicalLines(G.metrics));
}
double BlanksPerLogical(const Globals& G) {
  return Ratio(G.metrics.blank_lines, TotalLogicalLines(G.metrics));
}
double VisibleShare(const Globals& G) {
  return Ratio(Visible(G.metrics), G.metrics.characters);
}
double WhiteShare(const Globals& G) {
  return Ratio(G.metrics.spaces, G.metrics.characters);
}
double CommentsPerLoc(const Globals& G) {
  return Ratio(G.metrics.comment_lines, G.metrics.loc);
}
double CommentsPerEloc(const Globals& G) {
  return Ratio(G.metrics.comment_lines, Eloc(G.metrics));
}
double CommentsPerLloc(const Globals& G) {
  return Ratio(G.metrics.comment_lines, Lloc(G.metrics));
}
double NoticesPerLoc(const Globals& G) {
  return Ratio(G.metrics.notice_count, G.metrics.loc);
}
double NoticesPerEloc(const Globals& G) {
  return Ratio(G.metrics.notice_count, Eloc(G.metrics));
}
double NoticesPerLloc(const Globals& G) {
  return Ratio(G.metrics.notice_count, Lloc(G.metrics));
}
// 1 when the current file was counted as that type, else 0: summed over
// the rows, the run's count of each type.
double CppSource(const Globals& G) { return G.parse.file_kind == kFileCppSource; }
double CSource(const Globals& G) { return G.parse.file_kind == kFileCSource; }
double CppHeader(const Globals& G) { return G.parse.file_kind == kFileCppHeader; }
double CHeader(const Globals& G) { return G.parse.file_kind == kFileCHeader; }
double Java(const Globals& G) { return G.parse.file_kind == kFileJava; }
double Other(const Globals& G) { return G.parse.file_kind == kFileOther; }

constexpr CsvValueKind kFileName = CsvValueKind::kFileName;
constexpr CsvValueKind kCount = CsvValueKind::kCount;
constexpr CsvValueKind kRatio2 = CsvValueKind::kRatio2;
constexpr CsvValueKind kRatio4 = CsvValueKind::kRatio4;

// Field n is entry n - 1.
const CsvFileField kFields[kCsvFieldCount] = {
    {"File Name", "File", kFileName, nullptr, nullptr},
    {"LOC Count", "LOC", kCount, &FileMetrics::loc, nullptr},
    {"eLOC Count", "eLOC", kCount, nullptr, Eloc_},
    {"lLOC Count", "lLOC", kCount, nullptr, Lloc_},
    {"Blank Line Count", "Blank", kCount, &FileMetrics::blank_lines, nullptr},
    {"Comment Line Count", "Comment", kCount, &FileMetrics::comment_lines, nullptr},
    {"Logical Line Count", "Logical", kCount, nullptr, Logical},
    {"Physical Line Count", "Physical", kCount, &FileMetrics::lines, nullptr},
    {"Literal String Count", "Strings", kCount, &FileMetrics::string_count, nullptr},
    {"include Count", "include", kCount, &FileMetrics::include_count, nullptr},
    {"import Count", "import", kCount, &FileMetrics::import_count, nullptr},
    {"typedef Count", "typedef", kCount, &FileMetrics::typedef_count, nullptr},
    {"const Count", "const", kCount, &FileMetrics::const_count, nullptr},
    {"enum Count", "enum", kCount, &FileMetrics::enum_count, nullptr},
    {"do Count", "do", kCount, &FileMetrics::do_count, nullptr},
    {"while Count", "while", kCount, &FileMetrics::while_count, nullptr},
    {"switch Count", "switch", kCount, &FileMetrics::switch_count, nullptr},
    {"default Count", "default", kCount, &FileMetrics::default_count, nullptr},
    {"for Count", "for", kCount, &FileMetrics::for_count, nullptr},
    {"case Count", "case", kCount, &FileMetrics::case_count, nullptr},
    {"break Count", "break", kCount, &FileMetrics::break_count, nullptr},
    {"if Count", "if", kCount, &FileMetrics::if_count, nullptr},
    {"else Count", "else", kCount, &FileMetrics::else_count, nullptr},
    {"goto Count", "goto", kCount, &FileMetrics::goto_count, nullptr},
    {"return Count", "return", kCount, &FileMetrics::return_count, nullptr},
    {"exit Count", "exit", kCount, &FileMetrics::exit_count, nullptr},
    {"_exit Count", "_exit", kCount, &FileMetrics::_exit_count, nullptr},
    {"abort Count", "abort", kCount, &FileMetrics::abort_count, nullptr},
    {"macro Count", "macro", kCount, &FileMetrics::macro_count, nullptr},
    {"struct Count", "struct", kCount, &FileMetrics::struct_count, nullptr},
    {"union Count", "union", kCount, &FileMetrics::union_count, nullptr},
    {"class Count", "class", kCount, &FileMetrics::class_count, nullptr},
    {"interface Count", "interface", kCount, &FileMetrics::interface_count, nullptr},
    {"template Count", "template", kCount, &FileMetrics::template_count, nullptr},
    {"friend Count", "friend", kCount, &FileMetrics::friend_count, nullptr},
    {"namespace Count", "namespace", kCount, &FileMetrics::namespace_count, nullptr},
    {"package Count", "package", kCount, &FileMetrics::package_count, nullptr},
    {"function Coumt", "functions", kCount, &FileMetrics::function_count, nullptr},
    {"virtual Count", "virtual f()", kCount, &FileMetrics::virtual_count, nullptr},
    {"inline Count", "inline", kCount, &FileMetrics::inline_count, nullptr},
    {"C memory allocation count", "alloc", kCount, &FileMetrics::alloc_count, nullptr},
    {"C memory free count", "free", kCount, &FileMetrics::free_count, nullptr},
    {"Memory new Count", "new", kCount, &FileMetrics::new_count, nullptr},
    {"Memory delete Count", "delete", kCount, &FileMetrics::delete_count, nullptr},
    {"Code statements or semicolon count", "statements ;", kCount, &FileMetrics::statements, nullptr},
    {"using Count", "using", kCount, &FileMetrics::using_count, nullptr},
    {"( Count", "(", kCount, &FileMetrics::lparen_count, nullptr},
    {") Count", ")", kCount, &FileMetrics::rparen_count, nullptr},
    {"{ Count", "{", kCount, &FileMetrics::openbrace_count, nullptr},
    {"} Count", "}", kCount, &FileMetrics::closebrace_count, nullptr},
    {"[ Count", "[", kCount, &FileMetrics::lbracket_count, nullptr},
    {"] Count", "]", kCount, &FileMetrics::rbracket_count, nullptr},
    {"Characters per nonblank Line", "Char/NBL", kRatio2, nullptr, CharsPerLine},
    {"Quality Notice Count", "notices", kCount, &FileMetrics::notice_count, nullptr},
    {"Ratio LOC to Logical Lines", "LOC/Logical", kRatio4, nullptr, LocPerLogical},
    {"Ratio eLOC to Logical Lines", "eLOC/Logical", kRatio4, nullptr, ElocPerLogical},
    {"Ratio Comments to Logical Lines", "Comments/Logical", kRatio4, nullptr, CommentsPerLogical},
    {"Ratio Blank Lines to Logical Lines", "Blanks/Logical", kRatio4, nullptr, BlanksPerLogical},
    {"Ratio Characters to Total Characters", "Characters", kRatio4, nullptr, VisibleShare},
    {"Ratio Blank Lines to Total Characters", "Whitespace", kRatio4, nullptr, WhiteShare},
    {"Ratio Comment Lines to LOC", "Comments/LOC", kRatio2, nullptr, CommentsPerLoc},
    {"Ratio Comment Lines to eLOC", "Comments/eLOC", kRatio2, nullptr, CommentsPerEloc},
    {"Ratio Comment Lines to lLOC", "Comments_to_lloc", kRatio2, nullptr, CommentsPerLloc},
    {"Ratio Quality Notices to LOC", "Notices/LOC", kRatio2, nullptr, NoticesPerLoc},
    {"Ratio Quality Notices to eLOC", "Notices/eLOC", kRatio2, nullptr, NoticesPerEloc},
    {"Ratio Quality Notices to lLOC", "Notices/lLOC", kRatio2, nullptr, NoticesPerLloc},
    {"C++ Source File Count", "C++ Source", kCount, nullptr, CppSource},
    {"C Source File Count", "C Source", kCount, nullptr, CSource},
    {"C++ Header File Count", "C++ Headers", kCount, nullptr, CppHeader},
    {"C Header File Count", "C Headers", kCount, nullptr, CHeader},
    {"Java File Count", "Java Source", kCount, nullptr, Java},
    {"Other File Count", "Other Files", kCount, nullptr, Other},
};

}  // namespace

const CsvFileField& CsvFileFieldAt(int n) { return kFields[n - 1]; }

int CsvFieldNumber(const std::string& name) {
  for (int n = 1; n <= kCsvFieldCount; ++n) {
    if (strcasecmp(name.c_str(), kFields[n - 1].name) == 0) return n;
  }
  return 0;
}

std::string CsvFieldValue(int n, Globals& G) {
  const CsvFileField& f = CsvFileFieldAt(n);
  if (f.kind == kFileName) return CsvField(G.file_name);
  const double value = f.counter != nullptr ? G.metrics.*f.counter : f.derived(G);
  switch (f.kind) {
    case kRatio2: return Fmt("%.2f", value);
    case kRatio4: return Fmt("%.4f", value);
    default: return Fmt("%d", static_cast<int>(value));
  }
}
