#include "reports/stat_rows.h"

#include "base/output.h"

void StatLeft(ReportSink& out, const RunSettings& G, const char* label,
              int64_t value) {
  Out(out, "%s %9lld", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatLeftAvg(ReportSink& out, const RunSettings& G, const char* label,
                 double value) {
  Out(out, "%s %9.2f", BoldLabel(label, G).c_str(), value);
}

void StatRight(ReportSink& out, const RunSettings& G, const char* label,
               int64_t value) {
  Out(out, "%s%10lld\n", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatRightAvg(ReportSink& out, const RunSettings& G, const char* label,
                  double value) {
  Out(out, "%s%10.2f\n", BoldLabel(label, G).c_str(), value);
}

void StatSingle(ReportSink& out, const RunSettings& G, const char* label,
                int64_t value) {
  Out(out, "%s %9lld\n", BoldLabel(label, G).c_str(),
      static_cast<long long>(value));
}

void StatSingleAvg(ReportSink& out, const RunSettings& G, const char* label,
                   double value) {
  Out(out, "%s %9.2f\n", BoldLabel(label, G).c_str(), value);
}

void StatSeparator(ReportSink& G) {
  Out(G, "  %s\n",
      "       ------     -----     -----     ------     ------     -----       ");
}
