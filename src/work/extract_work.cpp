#include "work/extract_work.h"

void ExtractWork(const char* ancestor, const char* latest, Globals& G,
                 int standalone) {
  (void)ancestor;
  (void)latest;
  (void)G;
  (void)standalone;
}
