#include "reports/json_report.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "base/clock.h"
#include "notices/emit.h"

namespace {

// Members of a JSON object, written in the order they are added.
class Members {
 public:
  Members& Int(const char* key, int64_t value) {
    return Raw(key, std::to_string(value));
  }
  Members& Text(const char* key, const std::string& value) {
    return Raw(key, JsonString(value));
  }
  Members& Raw(const char* key, const std::string& json) {
    text_ += text_.empty() ? "{" : ", ";
    text_ += '"';
    text_ += key;
    text_ += "\": ";
    text_ += json;
    return *this;
  }
  std::string Done() const { return text_.empty() ? "{}" : text_ + "}"; }

 private:
  std::string text_;
};

struct MetricField {
  const char* name;
  int32_t FileMetrics::*field;
};

// Every counter of a file, or of the project, under its own name.
constexpr MetricField kMetricFields[] = {
    {"do_count", &FileMetrics::do_count},
    {"macro_count", &FileMetrics::macro_count},
    {"notice_count", &FileMetrics::notice_count},
    {"union_count", &FileMetrics::union_count},
    {"friend_count", &FileMetrics::friend_count},
    {"alloc_count", &FileMetrics::alloc_count},
    {"free_count", &FileMetrics::free_count},
    {"new_count", &FileMetrics::new_count},
    {"delete_count", &FileMetrics::delete_count},
    {"typedef_count", &FileMetrics::typedef_count},
    {"enum_count", &FileMetrics::enum_count},
    {"lines", &FileMetrics::lines},
    {"characters", &FileMetrics::characters},
    {"comment_lines", &FileMetrics::comment_lines},
    {"statements", &FileMetrics::statements},
    {"loc", &FileMetrics::loc},
    {"blank_lines", &FileMetrics::blank_lines},
    {"define_count", &FileMetrics::define_count},
    {"include_count", &FileMetrics::include_count},
    {"import_count", &FileMetrics::import_count},
    {"string_count", &FileMetrics::string_count},
    {"lparen_count", &FileMetrics::lparen_count},
    {"rparen_count", &FileMetrics::rparen_count},
    {"openbrace_count", &FileMetrics::openbrace_count},
    {"closebrace_count", &FileMetrics::closebrace_count},
    {"lbracket_count", &FileMetrics::lbracket_count},
    {"rbracket_count", &FileMetrics::rbracket_count},
    {"default_count", &FileMetrics::default_count},
    {"break_count", &FileMetrics::break_count},
    {"return_count", &FileMetrics::return_count},
    {"const_count", &FileMetrics::const_count},
    {"_exit_count", &FileMetrics::_exit_count},
    {"abort_count", &FileMetrics::abort_count},
    {"exit_count", &FileMetrics::exit_count},
    {"while_count", &FileMetrics::while_count},
    {"for_count", &FileMetrics::for_count},
    {"switch_count", &FileMetrics::switch_count},
    {"if_count", &FileMetrics::if_count},
    {"else_count", &FileMetrics::else_count},
    {"goto_count", &FileMetrics::goto_count},
    {"case_count", &FileMetrics::case_count},
    {"class_count", &FileMetrics::class_count},
    {"interface_count", &FileMetrics::interface_count},
    {"struct_count", &FileMetrics::struct_count},
    {"template_count", &FileMetrics::template_count},
    {"spaces", &FileMetrics::spaces},
    {"paren_lines", &FileMetrics::paren_lines},
    {"brace_lines", &FileMetrics::brace_lines},
    {"inline_count", &FileMetrics::inline_count},
    {"function_count", &FileMetrics::function_count},
    {"namespace_count", &FileMetrics::namespace_count},
    {"package_count", &FileMetrics::package_count},
    {"using_count", &FileMetrics::using_count},
    {"virtual_count", &FileMetrics::virtual_count},
};

std::string MetricsJson(const FileMetrics& m) {
  Members j;
  for (const MetricField& f : kMetricFields) j.Int(f.name, m.*f.field);
  j.Int("eloc", Eloc(m)).Int("lloc", Lloc(m));
  return j.Done();
}

const char* LanguageName(int language) {
  switch (language) {
    case 1: return "C";
    case 2: return "C++";
    case 3: return "Java";
    default: return nullptr;
  }
}

std::string NoticeJson(const IssuedNotice& notice, const RunSettings& G) {
  const std::string text =
      notice.number == 22
          ? std::string("'") + ControlKeyword(notice.control_kind) +
                "' is not bound with scope braces {}"
          : GetNoticeStr(notice.number, G);
  return Members()
      .Int("number", notice.number)
      .Int("line", notice.line)
      .Text("text", text)
      .Done();
}

// One analysed file with the notices issued in it.
std::string FileJson(const FileFigures& f, const std::string& notices) {
  Members j;
  j.Text("path", f.name);
  const char* language = LanguageName(f.language);
  j.Raw("language", language != nullptr ? JsonString(language) : "null");
  j.Int("size", f.size).Text("modified", IsoTime(f.mtime));
  j.Raw("metrics", MetricsJson(f.metrics));
  j.Raw("function_sums", Members()
                             .Int("params", f.function_params)
                             .Int("returns", f.function_returns)
                             .Int("cyclomatic", f.function_cyclomatic)
                             .Done());
  j.Raw("notices", notices);
  return j.Done();
}

// The line measures every function, class and namespace record carries.
Members& LineMeasures(Members& j, const NodeData& r) {
  return j.Int("loc", r.loc)
      .Int("eloc", r.eloc)
      .Int("lloc", r.lloc)
      .Int("comment_lines", r.comments)
      .Int("blank_lines", r.blanks)
      .Int("lines", r.lines)
      .Int("params", r.params)
      .Int("returns", r.returns)
      .Int("cyclomatic", r.cyclo);
}

std::string AccessCounts(int32_t pub, int32_t prot, int32_t priv) {
  return Members()
      .Int("public", pub)
      .Int("protected", prot)
      .Int("private", priv)
      .Done();
}

std::string FunctionJson(const NodeData& r) {
  Members j;
  j.Text("name", r.name).Text("file", r.file).Int("line", r.line);
  if (!r.sub_name.empty()) j.Text("template", r.sub_name);
  LineMeasures(j, r)
      .Int("interface_complexity", int64_t{r.params} + r.returns)
      .Int("functional_complexity", int64_t{r.params} + r.returns + r.cyclo);
  return j.Done();
}

// A class, struct or interface record; interfaces are held under the name
// "Interface-" + their name.
std::string ClassJson(const NodeData& r, bool interface) {
  static constexpr std::string_view kPrefix = "Interface-";
  std::string name = r.name;
  if (interface && name.compare(0, kPrefix.size(), kPrefix) == 0) {
    name.erase(0, kPrefix.size());
  }
  Members j;
  j.Text("name", name)
      .Text("kind", interface ? "interface" : r.is_struct ? "struct" : "class")
      .Text("file", r.file)
      .Int("line", r.line);
  if (!r.sub_name.empty()) j.Text("template", r.sub_name);
  if (!r.inheritance.empty()) j.Text("inheritance", r.inheritance);
  j.Int("parents", r.parents).Int("nesting", r.nested);
  LineMeasures(j, r)
      .Int("member_functions", static_cast<int64_t>(r.ratio))
      .Raw("methods", AccessCounts(r.public_methods, r.protected_methods,
                                   r.private_methods))
      .Raw("attributes", AccessCounts(r.public_attributes,
                                      r.protected_attributes,
                                      r.private_attributes));
  return j.Done();
}

std::string NamespaceJson(const NodeData& r) {
  Members j;
  j.Text("name", r.name).Text("file", r.file).Int("line", r.line);
  LineMeasures(j, r)
      .Int("functions", static_cast<int64_t>(r.ratio))
      .Int("classes", r.nested)
      .Raw("methods", AccessCounts(r.public_methods, r.protected_methods,
                                   r.private_methods))
      .Raw("attributes", AccessCounts(r.public_attributes,
                                      r.protected_attributes,
                                      r.private_attributes));
  return j.Done();
}

std::string TotalsJson(const RunTotals& G) {
  FileMetrics m = G.totals;
  int64_t notices = 0;
  Members by_number;
  for (int n = 1; n <= 45; ++n) {
    notices += G.notice_type_count[n];
    if (G.notice_type_count[n] > 0) {
      by_number.Int(std::to_string(n).c_str(), G.notice_type_count[n]);
    }
  }
  // Notices of the inheritance tree come after the last file's totals.
  m.notice_count = static_cast<int32_t>(notices);
  return Members()
      .Int("files", static_cast<int64_t>(G.file_figures.size()))
      .Raw("file_types", Members()
                             .Int("c_source", G.c_source_count)
                             .Int("cpp_source", G.cpp_source_count)
                             .Int("c_header", G.c_header_count)
                             .Int("cpp_header", G.cpp_header_count)
                             .Int("java", G.java_file_count)
                             .Int("other", G.other_file_count)
                             .Done())
      .Int("bytes", G.total_bytes)
      .Raw("metrics", MetricsJson(m))
      .Raw("notices_by_number", by_number.Done())
      .Done();
}

// Writes `"key": [` + one element per record + `]`.
template <class List, class ToJson>
void WriteArray(TextSink& out, const char* key, const List& list,
                ToJson&& to_json, bool last = false) {
  out.Put(std::string("  \"") + key + "\": [");
  bool first = true;
  for (const auto& record : list) {
    out.Put(first ? "\n    " : ",\n    ");
    out.Put(to_json(record));
    first = false;
  }
  out.Put(first ? "]" : "\n  ]");
  out.Put(last ? "\n" : ",\n");
}

}  // namespace

void WriteJsonReport(const Globals& G, TextSink& out) {
  // The issued notices in file order (stable: each file's in the order
  // they were issued); notices of no analysed file come first and are not
  // written.
  std::vector<uint32_t> order(G.issued_notices.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&G](uint32_t a, uint32_t b) {
    return G.issued_notices[a].file < G.issued_notices[b].file;
  });
  size_t next = 0;
  auto notices_of = [&](size_t file) {
    std::string list = "[";
    while (next < order.size() && G.issued_notices[order[next]].file < 0) ++next;
    bool first = true;
    for (; next < order.size() &&
           static_cast<size_t>(G.issued_notices[order[next]].file) == file;
         ++next) {
      list += first ? "" : ", ";
      list += NoticeJson(G.issued_notices[order[next]], G);
      first = false;
    }
    return list + "]";
  };
  out.Put(std::string("{\n  \"schema_version\": \"") + kJsonSchemaVersion +
          "\",\n");
  out.Put("  \"tool\": " + Members()
                               .Text("name", "Tarvelon")
                               .Text("program", "klv")
                               .Text("version", G.version)
                               .Done() +
          ",\n");
  out.Put("  \"run\": " + Members()
                              .Text("date", IsoTime(Now()))
                              .Text("directory", G.current_dir)
                              .Done() +
          ",\n");
  size_t index = 0;
  WriteArray(out, "files", G.file_figures, [&](const FileFigures& f) {
    return FileJson(f, notices_of(index++));
  });
  WriteArray(out, "functions", G.function_list, FunctionJson);
  WriteArray(out, "classes", G.class_list,
             [](const NodeData& r) { return ClassJson(r, false); });
  WriteArray(out, "interfaces", G.interface_list,
             [](const NodeData& r) { return ClassJson(r, true); });
  WriteArray(out, "namespaces", G.namespace_list, NamespaceJson);
  out.Put("  \"totals\": " + TotalsJson(G) + "\n}\n");
}
