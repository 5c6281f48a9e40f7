// Runs a piece of a test in a child process, for what must not touch the test process itself
// (lower limits, other rights). The piece answers with a text: "" when it found nothing wrong,
// else what was wrong.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <optional>
#include <string>

namespace test_support {

// The piece's answer; nullopt when the child could not be started or did not end normally.
inline std::optional<std::string> RunInChild(const std::function<std::string()>& piece) {
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
    const std::string answer = piece();
    std::size_t sent = 0;
    while (sent < answer.size()) {
      const ssize_t wrote = ::write(pipe_ends[1], answer.data() + sent, answer.size() - sent);
      if (wrote <= 0) {
        break;
      }
      sent += static_cast<std::size_t>(wrote);
    }
    // No destructors, no exit handlers: they belong to the test process.
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
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status)) {
    return std::nullopt;
  }
  return answer;
}

}  // namespace test_support
