// The configurable CSV file report: its configuration template.
#ifndef KLV_CONFIG_CSV_REPORT_CFG_H_
#define KLV_CONFIG_CSV_REPORT_CFG_H_

#include "driver/globals.h"

// Prints the CSV report configuration template (-Xc) to the output stream.
//
// Not built yet: the field catalogue and its template come with the CSV
// report configuration. Until then this writes nothing; -Xc still ends the
// run with status 1.
void CreateCSVFileReportCfg(Globals& G);

#endif  // KLV_CONFIG_CSV_REPORT_CFG_H_
