#include "base/name_wrap.h"

std::string AdjNameLength(const std::string& name, int width, int indent,
                          const RunSettings& G) {
  if (width < 1 || static_cast<int>(name.size()) <= width || !G.wrap_names) {
    return name;
  }
  std::string out;
  for (size_t k = 0; k < name.size() && out.size() < 4094; ++k) {
    if (k > 0 && k % static_cast<size_t>(width) == 0) {
      out += '\n';
      out.append(static_cast<size_t>(indent > 0 ? indent : 0), ' ');
    }
    out += name[k];
  }
  if (out.size() > 4094) out.resize(4094);
  return out;
}
