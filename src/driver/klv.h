// The whole run of the program, from the command line to the exit status.
#ifndef KLV_DRIVER_KLV_H_
#define KLV_DRIVER_KLV_H_

// Runs klv over the command line. Returns the exit status: 0, or with -n
// the number of quality notices of the run, or 1 after a command-line error.
int klv(int argc, char** argv);

#endif  // KLV_DRIVER_KLV_H_
