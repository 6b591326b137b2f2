#include "backends/linux/run_command.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <thread>

extern char** environ;

namespace tandrel {
namespace {

using Clock = std::chrono::steady_clock;

// More than any setting tool prints; what comes beyond is read and dropped.
constexpr size_t kOutputLimit = 16 * 1024 * 1024;

// The player's environment with `overrides` put in place of, or beside, its own entries.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    merged.emplace_back(*entry);
  }
  for (const std::string& override : overrides) {
    const std::string name = override.substr(0, override.find('=') + 1);
    std::erase_if(merged, [&](const std::string& entry) { return entry.rfind(name, 0) == 0; });
    merged.push_back(override);
  }
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& text : strings) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

// Reads what the pipe holds now; false once it is closed or broken.
bool ReadAvailable(int fd, std::string& output) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      output.append(buffer, std::min(static_cast<size_t>(n), kOutputLimit - output.size()));
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

pid_t WaitFor(pid_t pid, int* status, int options) {
  pid_t waited;
  do {
    waited = waitpid(pid, status, options);
  } while (waited < 0 && errno == EINTR);
  return waited;
}

}  // namespace

SpawnCommandRunner::SpawnCommandRunner(std::vector<std::string> environment,
                                       std::chrono::milliseconds timeout)
    : environment_(std::move(environment)), timeout_(timeout) {}

CommandResult SpawnCommandRunner::Run(const std::vector<std::string>& arguments) {
  CommandResult result;
  if (arguments.empty() || arguments[0].empty()) {
    return result;
  }
  int output[2];
  // Close-on-exec, so that a tool another thread starts meanwhile does not hold our pipe open.
  if (pipe2(output, O_CLOEXEC) != 0) {
    return result;
  }
  // Our end is read without blocking; the tool's end blocks, as tools expect of their output.
  fcntl(output[0], F_SETFL, O_NONBLOCK);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // The tool starts with no signal blocked or ignored, whatever the toolkit did to ours, and in a
  // process group of its own so that a timeout also ends whatever it started.
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  sigset_t defaults;
  sigfillset(&defaults);
  sigdelset(&defaults, SIGKILL);
  sigdelset(&defaults, SIGSTOP);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);

  std::vector<std::string> argumentCopy = arguments;
  std::vector<std::string> environment = MergedEnvironment(environment_);
  std::vector<char*> argv = Pointers(argumentCopy);
  std::vector<char*> envp = Pointers(environment);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(output[1]);
  if (error != 0) {
    close(output[0]);
    return result;
  }

  const Clock::time_point deadline = Clock::now() + timeout_;
  bool pipeOpen = true;
  int status = 0;
  bool exited = false;
  for (;;) {
    // The tool's end is watched as well as its output: a helper it left running (a bus daemon it
    // launched, say) may hold the pipe open long after the tool itself has finished.
    const pid_t waited = WaitFor(pid, &status, WNOHANG);
    if (waited == pid) {
      exited = true;
      break;
    }
    if (waited < 0) {
      break;  // reaped elsewhere: its status is lost
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      WaitFor(pid, &status, 0);
      break;
    }
    const int slice = static_cast<int>(std::min<int64_t>(left.count(), 50));
    if (pipeOpen) {
      pollfd readable{output[0], POLLIN, 0};
      if (poll(&readable, 1, slice) > 0) {
        pipeOpen = ReadAvailable(output[0], result.output);
      }
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(std::min(slice, 5)));
    }
  }
  if (exited && pipeOpen) {
    ReadAvailable(output[0], result.output);
  }
  close(output[0]);
  if (exited && WIFEXITED(status)) {
    result.status = WEXITSTATUS(status);
  }
  return result;
}

std::string QuotedLiteral(const std::string& text, char quote) {
  std::string quoted(1, quote);
  for (const char c : text) {
    if (c == quote || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + quote;
}

std::string GVariantString(const std::string& text) {
  return QuotedLiteral(text, '\'');
}

}  // namespace tandrel
