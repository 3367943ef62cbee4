// The listing of every function, class or interface record of the run, in
// list order. A long listing in a run on several threads is formatted on
// all of them, a block of records each, and written in order: the text is
// the same, its formatting no longer waits on one thread.
#ifndef KLV_REPORTS_RECORD_LISTING_H_
#define KLV_REPORTS_RECORD_LISTING_H_

#include "base/globals.h"

// Writes `show(record, G, G)` for every record of `list`: `show` only
// reads the settings and writes report text.
void ShowEachRecord(const Llist<NodeData>& list,
                    void (*show)(const NodeData&, ReportSink&,
                                 const RunSettings&),
                    Globals& G);

#endif  // KLV_REPORTS_RECORD_LISTING_H_
