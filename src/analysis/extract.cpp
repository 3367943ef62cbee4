#include "analysis/extract.h"

#include <cctype>

#include "base/output.h"

namespace {

bool IsAlnum(char c) { return isalnum(static_cast<unsigned char>(c)) != 0; }

std::string Escaped(std::string text, const RunSettings& G) {
  return G.html_flag ? HTML_template(text) : text;
}

}  // namespace

std::string ExtractString(const char* text, Globals& G) {
  if (text == nullptr) return std::string();
  std::string s = text;
  while (!s.empty() && !IsAlnum(s.back())) s.pop_back();
  while (s.size() >= 2 && s[s.size() - 2] == '\\' && s.back() == 'n') {
    s.resize(s.size() - 2);
  }
  size_t k = 0;
  while (k < s.size() && !IsAlnum(s[k])) ++k;
  if (k > 0 && k < s.size() && s[k] == 'n' && s[k - 1] == '\\') ++k;
  while (k < s.size() && (s[k] == ' ' || s[k] == '\t' || s[k] == '\n')) ++k;
  return Escaped(s.substr(k), G);
}

std::string ExtractComment(const char* text, Globals& G) {
  if (text == nullptr) return std::string();
  std::string s = text;
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ' ||
                        s.back() == '\t' || s.back() == '\r')) {
    s.pop_back();
  }
  return Escaped(std::move(s), G);
}
