#include "base/error_block.h"

#include <cstring>

#include "base/output.h"

std::string ErrorText(std::initializer_list<std::string_view> lines,
                      const ErrorForm& form) {
  const size_t margin = form.margin > 0 ? static_cast<size_t>(form.margin) : 0;
  const size_t indent = form.indent >= 0 ? static_cast<size_t>(form.indent)
                                         : margin + form.label.size() + 2;
  std::string text;
  if (form.blank_before) text += '\n';
  text.append(margin, ' ');
  text += form.label;
  text += ": ";
  bool first = true;
  for (const std::string_view line : lines) {
    if (!first) {
      text += '\n';
      if (!line.empty()) text.append(indent, ' ');
    }
    text += line;
    first = false;
  }
  if (form.line_end) text += '\n';
  if (form.blank_after) text += '\n';
  return text;
}

void OutError(ReportSink& G, std::initializer_list<std::string_view> lines,
              const ErrorForm& form) {
  OutText(G, ErrorText(lines, form));
}

void OutMemoryError(ReportSink& G, int error) {
  OutError(G, {strerror(error)},
           {.label = "Memory Error", .blank_before = false});
}

void WriteError(FILE* stream, std::initializer_list<std::string_view> lines,
                const ErrorForm& form) {
  const std::string text = ErrorText(lines, form);
  fwrite(text.data(), 1, text.size(), stream);
}
