// The early end of a run.
#ifndef KLV_BASE_EXIT_REQUEST_H_
#define KLV_BASE_EXIT_REQUEST_H_

// Thrown to end the run early (help screens, option errors) with a status;
// the driver catches it, so everything is released on the way out.
struct ExitRequest {
  int status;
};

#endif  // KLV_BASE_EXIT_REQUEST_H_
