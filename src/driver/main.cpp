#include "driver/klv.h"

int main(int argc, char** argv) {
  // main returns straight after: the process's exit takes the run's memory.
  return klv(argc, argv, RunStateAtEnd::kLeftToTheSystem);
}
