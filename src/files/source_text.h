// A source file read whole into memory, for a run that reads each file
// once for two purposes: a quick scan and the analysis. The room is kept
// from file to file.
#ifndef KLV_FILES_SOURCE_TEXT_H_
#define KLV_FILES_SOURCE_TEXT_H_

#include <cstddef>
#include <string>

#include "base/line_reader.h"

struct SourceText {
  // Zero bytes kept after the text: the room the line reader wants after a
  // text it reads in place.
  static constexpr size_t kPad = LineReader::kPad;

  std::string room;   // the text, then at least kPad zero bytes
  size_t length = 0;  // the text's length
  bool held = false;  // the file was read whole

  char* data() { return room.data(); }
};

// Reads the regular file `path` whole into `source`. False, with nothing
// held, when it cannot be opened or read to its end: the caller then
// leaves the file to the ordinary path, which reports why.
bool ReadSourceText(const std::string& path, SourceText& source);

#endif  // KLV_FILES_SOURCE_TEXT_H_
