#include "analysis/keyword_notices.h"

#include "analysis/keywords.h"
#include "notices/notices.h"
#include "base/output.h"

void EmitScopeError(Globals& G) {
  FileState& P = G.parse;
  if (P.local_brace > 0) EmitScopeError(P.control_line, P.control_kind, G);
  ClearControl(G);
}

void EmitNestedNamespace(int line, const std::string& nested, Globals& G) {
  if (G.totals_flag) return;
  const char* host = G.parse.namespace_name.c_str();
  if (G.html_flag) {
    Out(G,
        "\n    <FONT COLOR=%s>NOTICE</FONT>: <B>Line %d</B>, A nested "
        "namespace declaration has been found\n"
        "            within a host namespace declaration.\n",
        G.html_notice_color.c_str(), line);
    Out(G, "            <B>Nested namespace: %s</B>\n", nested.c_str());
    Out(G, "            <B>Host namespace  : %s</B>\n", host);
  } else {
    Out(G,
        "\n    NOTICE: Line %d, A nested namespace declaration has been found\n"
        "            within a host namespace declaration.\n",
        line);
    Out(G, "            Nested namespace: %s\n", nested.c_str());
    Out(G, "            Host namespace  : %s\n", host);
  }
  Out(G,
      "            KLV is a non-recursive parser/lexical analyzer.\n"
      "            Nested namespace metrics will be collected for\n"
      "            the host namespace.\n");
}
