#pragma once

#include <functional>
#include <string>

namespace tandrel {

// A movie of the interface: the screen movie around the video in the main window, or the skin
// movie that draws the control bar. Variables are addressed by dotted paths from "_root" (or
// "_level0"); "_width" and "_height" give the movie's own size as decimal text.
class Movie {
 public:
  using CommandHandler = std::function<void(const std::string& command, const std::string& args)>;

  virtual ~Movie() = default;

  // Loads the movie file at `path` and starts it.
  virtual void SetMoviePath(const std::string& path) = 0;
  virtual void SetMovieVariable(const std::string& path, const std::string& value) = 0;
  virtual std::string GetMovieVariable(const std::string& path) = 0;

  // Receives the commands the movie sends. One handler; a new one replaces the old.
  virtual void SetCommandHandler(CommandHandler handler) = 0;

  // The control's size in its window, in pixels; the movie's display area follows it.
  virtual void SetSize(int width, int height) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

}  // namespace tandrel
