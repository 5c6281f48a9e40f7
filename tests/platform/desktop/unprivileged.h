// Runs a piece of a test as a user without special rights, so that permission bits count.
//
// When the tests run as the superuser (for whom permission bits stop no write), the piece runs
// in a child process that has given up its rights and become the user "nobody" (65534); the
// files it works on must then belong to that user (OwnForUnprivileged). Otherwise it runs in
// the test process itself.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/child_process.h"

namespace desktop_test {

inline constexpr uid_t kNobody = 65534;

inline bool RunsAsSuperuser() {
  return ::geteuid() == 0;
}

// Hands a file or folder to the user the unprivileged piece runs as.
inline void OwnForUnprivileged(const std::filesystem::path& path) {
  if (RunsAsSuperuser()) {
    [[maybe_unused]] const int ignored = ::chown(path.c_str(), kNobody, kNobody);
  }
}

// The piece's answer: "" when it found nothing wrong, else what was wrong. nullopt when it
// could not be run without rights (the caller skips the test).
inline std::optional<std::string> RunUnprivileged(const std::function<std::string()>& piece) {
  if (!RunsAsSuperuser()) {
    return piece();
  }
  static constexpr char kNotDropped[] = "\x01";
  const std::optional<std::string> answer = test_support::RunInChild([&piece]() -> std::string {
    const bool dropped =
        ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    return dropped ? piece() : std::string(kNotDropped);
  });
  if (!answer || *answer == kNotDropped) {
    return std::nullopt;
  }
  return answer;
}

}  // namespace desktop_test
