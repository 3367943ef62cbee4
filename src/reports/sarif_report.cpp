#include "reports/sarif_report.h"

#include "notices/emit.h"
#include "notices/rule_table.h"

namespace {

std::string RuleId(int n) {
  char id[16];
  snprintf(id, sizeof id, "KLV%03d", n);
  return id;
}

// The message a notice shows in the notice lists.
std::string NoticeMessage(const IssuedNotice& notice, const RunSettings& G) {
  if (notice.number == 22) {
    return std::string("'") + ControlKeyword(notice.control_kind) +
           "' is not bound with scope braces {}";
  }
  return GetNoticeStr(notice.number, G);
}

const char* SarifLanguage(int language) {
  switch (language) {
    case 1: return "c";
    case 2: return "cplusplus";
    case 3: return "java";
    default: return nullptr;
  }
}

void WriteRules(const RunSettings& G, TextSink& out) {
  out.Put("          \"rules\": [");
  for (int n = 1; n <= 44; ++n) {
    const NoticeRule& rule = *NoticeRuleOf(n);
    out.Put(n == 1 ? "\n" : ",\n");
    out.Put("            {\"id\": \"" + RuleId(n) + "\", \"name\": \"" +
            rule.name + "\", \"shortDescription\": {\"text\": " +
            JsonString(GetNoticeStr(n, G)) +
            "}, \"fullDescription\": {\"text\": " +
            JsonString(rule.description) +
            "}, \"defaultConfiguration\": {\"level\": \"" + rule.level +
            "\"" + (G.notice_enabled[n] ? "" : ", \"enabled\": false") +
            "}}");
  }
  out.Put("\n          ]\n");
}

void WriteArtifacts(const Globals& G, TextSink& out) {
  out.Put("      \"artifacts\": [");
  bool first = true;
  for (const FileFigures& f : G.file_figures) {
    out.Put(first ? "\n" : ",\n");
    first = false;
    std::string entry = "        {\"location\": " +
                        ArtifactLocation(f.name, G) +
                        ", \"length\": " + std::to_string(f.size);
    if (const char* language = SarifLanguage(f.language)) {
      entry += std::string(", \"sourceLanguage\": \"") + language + "\"";
    }
    entry += ", \"lastModifiedTimeUtc\": \"" + IsoTime(f.mtime) + "\"}";
    out.Put(entry);
  }
  out.Put(first ? "],\n" : "\n      ],\n");
}

void WriteResults(const Globals& G, TextSink& out) {
  out.Put("      \"results\": [");
  bool first = true;
  for (const IssuedNotice& notice : G.issued_notices) {
    const NoticeRule* rule = NoticeRuleOf(notice.number);
    if (rule == nullptr) continue;
    out.Put(first ? "\n" : ",\n");
    first = false;
    std::string result = "        {\"ruleId\": \"" + RuleId(notice.number) +
                         "\", \"ruleIndex\": " +
                         std::to_string(notice.number - 1) + ", \"level\": \"" +
                         rule->level + "\", \"message\": {\"text\": " +
                         JsonString(NoticeMessage(notice, G)) + "}";
    if (notice.file >= 0) {
      const FileFigures& f = G.file_figures[static_cast<size_t>(notice.file)];
      std::string location = ArtifactLocation(f.name, G);
      location.insert(location.size() - 1,
                      ", \"index\": " + std::to_string(notice.file));
      result += ", \"locations\": [{\"physicalLocation\": {\"artifactLocation\": " +
                location;
      if (notice.line >= 1) {
        result += ", \"region\": {\"startLine\": " +
                  std::to_string(notice.line) + "}";
      }
      result += "}}]";
    }
    out.Put(result + "}");
  }
  out.Put(first ? "]\n" : "\n      ]\n");
}

}  // namespace

std::string ArtifactLocation(const std::string& path, const RunSettings& G) {
  std::string rel = path;
  if (!rel.empty() && rel[0] == '/') {
    const std::string& cwd = G.current_dir;
    const bool under = !cwd.empty() && rel.size() > cwd.size() + 1 &&
                       rel.compare(0, cwd.size(), cwd) == 0 &&
                       (rel[cwd.size()] == '/' || cwd == "/");
    if (!under) return "{\"uri\": " + JsonString("file://" + UriPath(rel)) + "}";
    rel.erase(0, cwd == "/" ? 1 : cwd.size() + 1);
  }
  while (rel.compare(0, 2, "./") == 0) rel.erase(0, 2);
  return "{\"uri\": " + JsonString(UriPath(rel)) +
         ", \"uriBaseId\": \"SRCROOT\"}";
}

void WriteSarifReport(const Globals& G, TextSink& out) {
  std::string root = G.current_dir;
  if (root.empty() || root.back() != '/') root += '/';
  out.Put(
      "{\n"
      "  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n"
      "  \"version\": \"2.1.0\",\n"
      "  \"runs\": [\n"
      "    {\n"
      "      \"tool\": {\n"
      "        \"driver\": {\n"
      "          \"name\": \"Tarvelon\",\n"
      "          \"fullName\": \"Tarvelon (klv) source code metrics\",\n");
  out.Put("          \"version\": " + JsonString(G.version) + ",\n");
  WriteRules(G, out);
  out.Put("        }\n      },\n");
  out.Put("      \"originalUriBaseIds\": {\"SRCROOT\": {\"uri\": " +
          JsonString("file://" + UriPath(root)) + "}},\n");
  WriteArtifacts(G, out);
  WriteResults(G, out);
  out.Put("    }\n  ]\n}\n");
}
