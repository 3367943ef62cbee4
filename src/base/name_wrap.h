// Long names wrapped onto indented lines of a report column.
#ifndef KLV_BASE_NAME_WRAP_H_
#define KLV_BASE_NAME_WRAP_H_

#include <string>

#include "base/globals.h"

// `name` wrapped every `width` characters onto new lines indented by
// `indent` blanks (unless wrapping is switched off or the name fits).
std::string AdjNameLength(const std::string& name, int width, int indent,
                          const RunSettings& G);

#endif  // KLV_BASE_NAME_WRAP_H_
