#include "platform/desktop/launch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>
#include <thread>

extern char** environ;

namespace desktop {
namespace {

// The attributes and file actions of one spawn, released on every path out.
class SpawnSetup {
 public:
  explicit SpawnSetup(bool own_session) {
    ::posix_spawnattr_init(&attributes_);
    ::posix_spawn_file_actions_init(&actions_);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (own_session) {
      flags |= POSIX_SPAWN_SETSID;
    }
    sigset_t none;
    sigemptyset(&none);
    ::posix_spawnattr_setsigmask(&attributes_, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGQUIT);
    sigaddset(&defaults, SIGCHLD);
    ::posix_spawnattr_setsigdefault(&attributes_, &defaults);
    ::posix_spawnattr_setflags(&attributes_, flags);
    ::posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
  }
  // The program's standard output goes into `fd` instead of /dev/null.
  void SendOutputTo(int fd) { ::posix_spawn_file_actions_adddup2(&actions_, fd, 1); }

  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
  ~SpawnSetup() {
    ::posix_spawn_file_actions_destroy(&actions_);
    ::posix_spawnattr_destroy(&attributes_);
  }

  std::optional<pid_t> Spawn(const Argv& argv) {
    if (argv.empty() || argv[0].empty()) {
      return std::nullopt;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) {
      args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, args[0], &actions_, &attributes_, args.data(), environ) != 0) {
      return std::nullopt;
    }
    return pid;
  }

 private:
  posix_spawnattr_t attributes_;
  posix_spawn_file_actions_t actions_;
};

std::optional<int> WaitFor(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      return std::nullopt;
    }
  }
  return status;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
    if (c != prefix[i]) {
      return false;
    }
  }
  return true;
}

bool IsWebAddress(std::string_view url) {
  const bool web = (StartsWithNoCase(url, "http://") && url.size() > 7) ||
                   (StartsWithNoCase(url, "https://") && url.size() > 8);
  if (!web) {
    return false;
  }
  for (const char c : url) {
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
      return false;  // blanks and control bytes have no place in an address
    }
  }
  return true;
}

}  // namespace

bool SpawnDetached(const Argv& argv) {
  SpawnSetup setup(true);
  const std::optional<pid_t> pid = setup.Spawn(argv);
  if (!pid) {
    return false;
  }
  try {
    std::thread([child = *pid] { WaitFor(child); }).detach();
  } catch (const std::system_error&) {
    // Without a thread the child is reaped at the program's end instead.
  }
  return true;
}

RunOutcome RunAndWait(const Argv& argv) {
  SpawnSetup setup(false);
  const std::optional<pid_t> pid = setup.Spawn(argv);
  if (!pid) {
    return RunOutcome::kNotStarted;
  }
  const std::optional<int> status = WaitFor(*pid);
  if (status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0) {
    return RunOutcome::kSucceeded;
  }
  return RunOutcome::kFailed;
}

CommandOutput RunAndRead(const Argv& argv) {
  constexpr std::size_t kMaxOutputBytes = std::size_t{64} << 10;
  CommandOutput result;
  int pipe_ends[2];
  if (::pipe2(pipe_ends, O_CLOEXEC) != 0) {
    return result;
  }
  std::optional<pid_t> pid;
  {
    SpawnSetup setup(false);
    setup.SendOutputTo(pipe_ends[1]);
    pid = setup.Spawn(argv);
  }
  ::close(pipe_ends[1]);
  if (!pid) {
    ::close(pipe_ends[0]);
    return result;
  }
  // Read to the end, keeping the first bytes only, so that the program never blocks on a full
  // pipe.
  char chunk[4096];
  for (;;) {
    const ssize_t got = ::read(pipe_ends[0], chunk, sizeof chunk);
    if (got > 0) {
      const std::size_t room = kMaxOutputBytes - result.output.size();
      result.output.append(chunk, std::min(room, static_cast<std::size_t>(got)));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(pipe_ends[0]);
  const std::optional<int> status = WaitFor(*pid);
  result.outcome = status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0
                       ? RunOutcome::kSucceeded
                       : RunOutcome::kFailed;
  return result;
}

bool OpenLink(std::string_view url, const Launcher& launch) {
  if (!IsWebAddress(url) || !launch) {
    return false;
  }
  return launch({"xdg-open", std::string(url)});
}

}  // namespace desktop
