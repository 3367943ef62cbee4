#include "reports/stat_rows.h"

#include "base/output.h"

void StatLeft(Globals& G, const char* label, int64_t value) {
  Out(G, "%s %9lld", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatLeftAvg(Globals& G, const char* label, double value) {
  Out(G, "%s %9.2f", BoldLabel(label, G).c_str(), value);
}

void StatRight(Globals& G, const char* label, int64_t value) {
  Out(G, "%s%10lld\n", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatRightAvg(Globals& G, const char* label, double value) {
  Out(G, "%s%10.2f\n", BoldLabel(label, G).c_str(), value);
}

void StatSingle(Globals& G, const char* label, int64_t value) {
  Out(G, "%s %9lld\n", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatSingleAvg(Globals& G, const char* label, double value) {
  Out(G, "%s %9.2f\n", BoldLabel(label, G).c_str(), value);
}

void StatSeparator(ReportSink& G) {
  Out(G, "  %s\n",
      "       ------     -----     -----     ------     ------     -----       ");
}
