// The configuration file template: every setting of klv.cfg with the value
// now in force, under its explanatory comments.
#ifndef KLV_CONFIG_SHOW_CFG_H_
#define KLV_CONFIG_SHOW_CFG_H_

#include <cstdio>
#include <string>

#include "base/globals.h"
#include "base/program_files.h"

// The template text, filled with the current values.
std::string CfgTemplate(const RunSettings& G);

// Writes the template to `out` (the report for -y and -hc, or a new
// configuration file).
void ShowCfg(FILE* out, const RunSettings& G);

#endif  // KLV_CONFIG_SHOW_CFG_H_
