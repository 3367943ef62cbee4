// The listing of every function, class or interface record of the run, in
// list order. A long listing in a run on several threads is formatted on
// the other threads, a block of records each, while this thread walks the
// list, and written in order: the text is the same, its formatting no
// longer waits on one thread.
#ifndef KLV_REPORTS_RECORD_LISTING_H_
#define KLV_REPORTS_RECORD_LISTING_H_

#include <functional>

#include "base/globals.h"

// Writes `show(record, G, G)` for every record of `list`: `show` only
// reads the settings and writes report text. Then, or while the text is
// formatted, calls `visit(record)` for every record in list order on this
// thread, when it is given: `visit` writes no report text and changes no
// record of `list`.
void ShowEachRecord(const Llist<NodeData>& list,
                    void (*show)(const NodeData&, ReportSink&,
                                 const RunSettings&),
                    Globals& G,
                    const std::function<void(const NodeData&)>& visit = {});

#endif  // KLV_REPORTS_RECORD_LISTING_H_
