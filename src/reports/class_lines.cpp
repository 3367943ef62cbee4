#include "reports/class_reports.h"

#include "base/output.h"

namespace {

// The four count pieces shared by the attribute and method lines.
void AccessCounts(const char* label, int pub, int prot, int priv,
                  ReportSink& out, const RunSettings& G) {
  const long long total = static_cast<long long>(pub) + prot + priv;
  if (G.html_flag) {
    Out(out,
        "%s  <B>Publ</B> %-7d  <B>Prot</B> %-7d  <B>Private</B> %-7d  "
        "<B>Total</B> %8lld\n",
        label, pub, prot, priv, total);
  } else {
    Out(out, "%s  Publ %-7d  Prot %-7d  Private %-7d  Total %8lld\n", label,
        pub, prot, priv, total);
  }
}

}  // namespace

void DataLine(int pub, int prot, int priv, ReportSink& out,
              const RunSettings& G) {
  AccessCounts(G.html_flag ? "  <B>Attributes</B> " : "  Attributes ", pub,
               prot, priv, out, G);
}

void MethodLine(int pub, int prot, int priv, ReportSink& out,
                const RunSettings& G) {
  AccessCounts(G.html_flag ? "  <B>Methods</B>    " : "  Methods    ", pub,
               prot, priv, out, G);
}
