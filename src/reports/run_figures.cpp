#include "reports/run_figures.h"

void BeginFileFigures(const std::string& name, RunTotals& G) {
  G.file_figures.push_back(FileFigures{});
  G.file_figures.back().name = name;
}

void EndFileFigures(Globals& G) {
  if (G.file_figures.empty()) return;
  FileFigures& f = G.file_figures.back();
  const FileState& P = G.parse;
  f.language = P.c_file ? 1 : P.cpp_file ? 2 : P.java_file ? 3 : 0;
  f.size = G.file_size;
  f.mtime = static_cast<int64_t>(G.file_mtime);
  f.metrics = G.metrics;
  f.function_params = P.file_params;
  f.function_returns = P.file_returns;
  f.function_cyclomatic = P.file_cyclomatic;
}
