// Fitting a 64-bit value into a 32-bit record slot.
#ifndef KLV_BASE_SATURATE_H_
#define KLV_BASE_SATURATE_H_

#include <cstdint>

// `v`, held at the nearest 32-bit limit when it lies beyond them.
inline int32_t Saturate32(int64_t v) {
  return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN
                              : v > INT32_MAX ? INT32_MAX
                                              : v);
}

#endif  // KLV_BASE_SATURATE_H_
