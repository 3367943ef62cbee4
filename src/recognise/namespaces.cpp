#include "recognise/namespaces.h"

#include "recognise/scope.h"

bool NamespaceListAdd(const std::string& name, int line, Globals& G) {
  if (!G.namespace_names.insert(name).second) return false;
  G.namespace_list.push_back(NameData{name, G.file_name, line, 0});
  return true;
}

void NamespaceCloseBrace(Globals& G) {
  FileState& P = G.parse;
  if (!P.namespace_flag || !P.cpp_file || P.namespace_scope > 0) return;
  EmitNamespace(G, 0);
  P.namespace_flag = 0;
  P.namespacebeg_flag = 0;
  P.namespace_scope = 0;
  P.local_brace = 0;
}
