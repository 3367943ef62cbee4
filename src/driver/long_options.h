// The long options --sarif=FILE and --json=FILE, accepted anywhere on the
// command line (before a "--"), also as two words (--json FILE).
#ifndef KLV_DRIVER_LONG_OPTIONS_H_
#define KLV_DRIVER_LONG_OPTIONS_H_

#include <vector>

#include "base/globals.h"

// Stores the file names of the long options in G and returns the other
// words, in order, followed by a null pointer. A word that is the argument
// of an option letter (-O --json=x) is left alone. A long option without a
// file name is refused with status 1 (throws ExitRequest).
std::vector<char*> TakeLongOptions(int argc, char** argv, Globals& G);

#endif  // KLV_DRIVER_LONG_OPTIONS_H_
