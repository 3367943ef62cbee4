// Printing a notice's long text in the form the output mode asks for.
#ifndef KLV_NOTICES_LONG_TEXT_H_
#define KLV_NOTICES_LONG_TEXT_H_

#include <string>

#include "driver/globals.h"
#include "reports/output.h"

// Writes `html` (formatted with the notice colour first) under -H, else
// `plain`.
inline void LongText(Globals& G, const std::string& plain,
                     const std::string& html) {
  OutText(G, G.html_flag ? html : plain);
}

#endif  // KLV_NOTICES_LONG_TEXT_H_
