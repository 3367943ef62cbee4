#include "recognise/macros.h"

#include "base/line_reader.h"

void LoadMacros(Globals& G) {
  FilePtr in(fopen(G.macro_file_path.c_str(), "rb"));
  if (in == nullptr) {
    FilePtr out(fopen(G.macro_file_path.c_str(), "wb"));
    if (out != nullptr) {
      fputs("__declspec\r\nDECLSPEC_UUID\r\nDECLARE_MESSAGE_MAP\r\nafx_msg\r\n",
            out.get());
    }
    return;
  }
  LineReader reader(in.get());
  std::string line;
  while (reader.NextLine(line)) {
    if (line.empty() || static_cast<unsigned char>(line[0]) < 33) continue;
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' ||
                             line.back() == '\r' || line.back() == '\n')) {
      line.pop_back();
    }
    G.macro_list.Add(line, 1);
  }
}
