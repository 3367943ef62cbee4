#include "recognise/namespaces.h"

#include "lists/add_node.h"
#include "recognise/run_names.h"
#include "recognise/scope.h"

bool NamespaceListAdd(const std::string& name, int line, Globals& G) {
  if (IsNamespaceName(name, G)) return false;
  G.namespace_names.insert(name);
  NodeData record;
  record.name = name;
  record.file = G.file_name;
  record.line = line;
  AddListNode(1, std::move(record), G.namespace_list);
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
