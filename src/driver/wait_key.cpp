#include "driver/wait_key.h"

#include <unistd.h>

#include <cstdio>

#include "base/output.h"

void WaitKey(ReportSink& G) {
  if (G.output != stdout) {
    usleep(500000);
    return;
  }
  Out(G, "\n  Press Enter Key To Continue ...\n");
  FlushOutput();
  fflush(G.output);
  char answer[3];
  if (fgets(answer, sizeof answer, stdin) == nullptr) clearerr(stdin);
}
