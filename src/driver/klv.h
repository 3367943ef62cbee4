// The whole run of the program, from the command line to the exit status.
#ifndef KLV_DRIVER_KLV_H_
#define KLV_DRIVER_KLV_H_

// What becomes of the run's records when the run is over.
enum class RunStateAtEnd {
  kFreed,            // freed before klv returns
  kLeftToTheSystem,  // left for the process's exit, which returns the
                     // memory at once: freeing hundreds of thousands of
                     // records one by one only delays the exit
};

// Runs klv over the command line. Returns the exit status: 0, or with -n
// the number of quality notices of the run, or 1 after a command-line error.
int klv(int argc, char** argv, RunStateAtEnd at_end = RunStateAtEnd::kFreed);

#endif  // KLV_DRIVER_KLV_H_
