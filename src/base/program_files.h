// The names of the program's own files, kept beside it or in KLVHOME.
#ifndef KLV_BASE_PROGRAM_FILES_H_
#define KLV_BASE_PROGRAM_FILES_H_

// The name of the configuration file.
inline constexpr const char kConfigFileName[] = "klv.cfg";

#endif  // KLV_BASE_PROGRAM_FILES_H_
