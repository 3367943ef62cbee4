#include "analysis/detab.h"

void Detab_line(std::string_view src, std::string& out, int tab_width,
                int* in_string, int* tab_count) {
  const size_t blanks = tab_width > 0 ? static_cast<size_t>(tab_width) : 0;
  for (size_t k = 0; k < src.size(); ++k) {
    const char c = src[k];
    if (c == '"') {
      const bool escaped =
          k >= 1 && src[k - 1] == '\\' && !(k >= 2 && src[k - 2] == '\\');
      if (!escaped) *in_string = !*in_string;
      out += c;
    } else if (c == '\t' && !*in_string) {
      out.append(blanks, ' ');
      ++*tab_count;
    } else {
      out += c;
    }
  }
}
