// Building the list of source files of a run.
#ifndef KLV_FILES_FILE_LIST_H_
#define KLV_FILES_FILE_LIST_H_

#include <string>

#include "driver/globals.h"

// Collects the file operands from argument `first_operand` on: names with
// an allowable extension are kept, headers ahead of the other sources, each
// group in command-line order. Returns the number of files.
int BuildFileList(int first_operand, Globals& G);

// 1 when `ext` is one of the extensions in `list` (blank, tab or comma
// separated), compared without regard to case when `case_blind` is 1.
int valid_ext(const char* ext, const char* list, int case_blind, Globals& G);

#endif  // KLV_FILES_FILE_LIST_H_
