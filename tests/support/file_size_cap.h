// Caps the size of files this process may write, so a write fails half way (as on a full
// disk). The old limit and the SIGXFSZ handling come back when the cap goes.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace test_support {

class FileSizeCap {
 public:
  explicit FileSizeCap(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    saved_signal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit cap = saved_;
    cap.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &cap);
  }
  FileSizeCap(const FileSizeCap&) = delete;
  FileSizeCap& operator=(const FileSizeCap&) = delete;
  ~FileSizeCap() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, saved_signal_);
  }

 private:
  rlimit saved_{};
  sighandler_t saved_signal_{};
};

}  // namespace test_support
