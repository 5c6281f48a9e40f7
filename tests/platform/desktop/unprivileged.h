// Runs a piece of a test as a user without special rights, so that permission bits count.
//
// When the tests run as the superuser (for whom permission bits stop no write), the piece runs
// in a child process that has given up its rights and become the user "nobody" (65534); the
// files it works on must then belong to that user (OwnForUnprivileged). Otherwise it runs in
// the test process itself.
#pragma once

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

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
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) {
    return std::nullopt;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    return std::nullopt;
  }
  if (child == 0) {
    ::close(pipe_ends[0]);
    const bool dropped =
        ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    const std::string answer = dropped ? piece() : std::string("\x01");
    std::size_t sent = 0;
    while (sent < answer.size()) {
      const ssize_t wrote = ::write(pipe_ends[1], answer.data() + sent, answer.size() - sent);
      if (wrote <= 0) {
        break;
      }
      sent += static_cast<std::size_t>(wrote);
    }
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  std::string answer;
  char chunk[512];
  for (;;) {
    const ssize_t got = ::read(pipe_ends[0], chunk, sizeof chunk);
    if (got > 0) {
      answer.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(pipe_ends[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (answer == "\x01" || !WIFEXITED(status)) {
    return std::nullopt;
  }
  return answer;
}

}  // namespace desktop_test
