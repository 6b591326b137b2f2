#pragma once

#include <map>
#include <string>

#include "components/movie.h"
#include "fakes/call_log.h"

namespace tandrel::fakes {

// A movie that records what it is told. Variables the program sets are readable back;
// `answers` gives what the movie itself reports ("_width", "_height").
class FakeMovie : public Movie {
 public:
  FakeMovie(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}

  std::string path;
  std::map<std::string, std::string> variables;
  std::map<std::string, std::string> answers;
  CommandHandler handler;
  int width = 0;
  int height = 0;

  void SetMoviePath(const std::string& moviePath) override {
    log_.Add(name_ + ".MoviePath=" + moviePath);
    path = moviePath;
  }
  void SetMovieVariable(const std::string& variable, const std::string& value) override {
    if (log_.enabled) {
      log_.Add(name_ + ".Set(" + variable + "=" + value + ")");
    }
    variables[variable] = value;
  }
  std::string GetMovieVariable(const std::string& variable) override {
    log_.Add(name_ + ".Get(" + variable + ")");
    if (auto it = answers.find(variable); it != answers.end()) {
      return it->second;
    }
    auto it = variables.find(variable);
    return it == variables.end() ? std::string() : it->second;
  }
  void SetCommandHandler(CommandHandler commandHandler) override {
    handler = std::move(commandHandler);
  }
  void SetSize(int w, int h) override {
    log_.Add(name_ + ".SetSize(" + std::to_string(w) + "x" + std::to_string(h) + ")");
    width = w;
    height = h;
  }
  int Width() const override { return width; }
  int Height() const override { return height; }

  // The movie sends a command, as a user's click would make it.
  void Send(const std::string& command, const std::string& args = {}) {
    if (handler) {
      handler(command, args);
    }
  }

 private:
  CallLog& log_;
  std::string name_;
};

}  // namespace tandrel::fakes
