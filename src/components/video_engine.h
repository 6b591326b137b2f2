#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tandrel {

// A call the engine could not carry out.
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The video engine (`stage` on the main window): opens, decodes and shows a disc. Every call is
// made on the user-interface thread. A call that fails throws EngineError (or another exception
// derived from std::exception); callers decide whether to catch it.
class VideoEngine {
 public:
  virtual ~VideoEngine() = default;

  // Plays the queued item, or resumes a paused one.
  virtual void StartPlayback() = 0;
  virtual void PausePlayback() = 0;
  virtual void StopPlayback() = 0;
  // Moves playback by one engine step: +1 forward, -1 back.
  virtual void JumpBy(int step) = 0;
  virtual void ToggleAudioMute() = 0;

  // Hot keys: binding an action variable ("key-fullscreen", "key-snapshot", "key-nav-up", ...)
  // to a code, then setting "key-pressed" to the same code, performs that action once.
  virtual void SetEngineVariable(const std::string& name, int value) = 0;

  // Queues `mediaLocator` ("dvd://" and the drive) with the option list; mode 2, position 0.
  virtual void QueueItem(const std::string& mediaLocator, const std::vector<std::string>& options,
                         int mode, int position) = 0;
  virtual void ClearQueue() = 0;
  virtual int QueuedItemCount() = 0;

  virtual bool IsPlaying() = 0;
  // 0.0 to 1.0 while an item is open, below 0 when nothing is open.
  virtual double PlaybackPosition() = 0;
  // Seeks.
  virtual void SetPlaybackPosition(double position) = 0;
  // Whole seconds of the current item.
  virtual int ElapsedSeconds() = 0;
  virtual int LengthSeconds() = 0;

  // 50 before anything has played.
  virtual int Volume() = 0;
  virtual void SetVolume(int volume) = 0;
};

}  // namespace tandrel
