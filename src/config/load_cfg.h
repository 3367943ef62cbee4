// Reading the configuration file klv.cfg.
#ifndef KLV_CONFIG_LOAD_CFG_H_
#define KLV_CONFIG_LOAD_CFG_H_

#include <string>

#include "base/globals.h"

// Reads config_file_path, creating it from the template of the settings in
// force when it is missing. Returns 1 when a file was read, 0 when none
// could be opened or created (the defaults then stay).
int LoadCfg(Globals& G);

// Applies one "key: value" line; unknown keys and values that fail their
// kind's test change nothing. A number outside its setting's range (listed
// in the -hf help) is reported and ends the run (ExitRequest 1).
void ApplyCfgLine(const std::string& line, Globals& G);

// 0 when the value begins with 'n' or 'N', else 1.
int YesNoFlag(const char* value);

#endif  // KLV_CONFIG_LOAD_CFG_H_
