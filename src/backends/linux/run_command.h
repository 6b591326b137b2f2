#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tandrel {

struct CommandResult {
  // The tool's exit status; -1 when it could not be started, was killed or ran out of time.
  int status = -1;
  // What it wrote to its standard output.
  std::string output;

  bool Succeeded() const { return status == 0; }
};

// Runs one of the desktop's own tools (gsettings, dbus-send, xfconf-query, ...).
class CommandRunner {
 public:
  virtual ~CommandRunner() = default;
  // Runs `arguments[0]`, looked up along PATH, with the other arguments passed as they are: no
  // shell sees them. Waits for the tool to end.
  virtual CommandResult Run(const std::vector<std::string>& arguments) = 0;
};

// Starts the tool as a child process with posix_spawnp. Its standard input and error are
// /dev/null, so that a tool's complaints do not end up in the player's terminal.
class SpawnCommandRunner : public CommandRunner {
 public:
  // `environment` holds "NAME=value" entries that the tools get on top of the player's own
  // environment. A tool still running after `timeout` is killed.
  explicit SpawnCommandRunner(std::vector<std::string> environment = {},
                              std::chrono::milliseconds timeout = std::chrono::seconds(10));

  CommandResult Run(const std::vector<std::string>& arguments) override;

 private:
  std::vector<std::string> environment_;
  std::chrono::milliseconds timeout_;
};

// `text` as a GVariant string literal, the form gsettings reads and prints its values in.
std::string GVariantString(const std::string& text);
// `text` between `quote` characters, with the quote, the backslash and control characters
// escaped as GVariant text and JavaScript both read them.
std::string QuotedLiteral(const std::string& text, char quote);

}  // namespace tandrel
