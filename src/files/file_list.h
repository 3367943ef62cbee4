// Building the list of source files of a run: from the command line, from
// a directory walk (-r) or from a list file (-F).
#ifndef KLV_FILES_FILE_LIST_H_
#define KLV_FILES_FILE_LIST_H_

#include <string>

#include "base/globals.h"

// Fills G.file_list, headers first, and returns its count. With -Rl it
// prints the list instead and ends the run (ExitRequest 0); under KLVDEBUG
// (debug_flag) it prints the list and returns.
int BuildFileList(int first_operand, Globals& G);

// Adds the files of `dir` whose extension is one of `extensions`,
// descending into subdirectories unless dir_no_recurse is set. Each
// directory is walked once (by device and inode) and symbolic links to
// directories are not followed; a subdirectory that cannot be opened is
// reported and skipped. Returns 1, or 0 when `dir` itself cannot be opened
// (already reported).
int ReadDir(const std::string& dir, const std::string& extensions,
            Llist<NameData>& headers, Llist<NameData>& sources, ReportSink& out,
            const RunSettings& G);

// 1 when `ext` is one of the extensions in `list` (blank, tab or comma
// separated), compared without regard to case when `case_blind` is 1.
// Every extension passes when validation is switched off.
int valid_ext(const char* ext, const char* list, int case_blind,
              const RunSettings& G);

// Prints one name of the file list and a newline.
void FileShow(const NameData& file, ReportSink& G);

#endif  // KLV_FILES_FILE_LIST_H_
