#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "components/video_engine.h"
#include "fakes/call_log.h"

namespace tandrel::fakes {

// A video engine whose answers the test sets, recording every call. `failOn` names one call
// ("StartPlayback", "QueueItem", ...) that throws instead.
class FakeVideoEngine : public VideoEngine {
 public:
  explicit FakeVideoEngine(CallLog& log) : log_(log) {}

  struct QueuedItem {
    std::string mediaLocator;
    std::vector<std::string> options;
    int mode;
    int position;
  };

  // Answers.
  int queued = 0;
  bool playing = false;
  double position = -1;
  int elapsed = 0;
  int length = 0;
  int volume = 50;
  bool muted = false;
  std::string failOn;

  std::vector<QueuedItem> items;
  std::vector<std::pair<std::string, int>> variables;

  void StartPlayback() override { Call("engine.StartPlayback"); }
  void PausePlayback() override { Call("engine.PausePlayback"); }
  void StopPlayback() override { Call("engine.StopPlayback"); }
  void JumpBy(int step) override { Call("engine.JumpBy(" + std::to_string(step) + ")"); }
  void ToggleAudioMute() override {
    Call("engine.ToggleAudioMute");
    muted = !muted;
  }
  void SetEngineVariable(const std::string& name, int value) override {
    Call("engine.SetEngineVariable(" + name + "," + std::to_string(value) + ")");
    variables.emplace_back(name, value);
  }
  void QueueItem(const std::string& mediaLocator, const std::vector<std::string>& options, int mode,
                 int itemPosition) override {
    Call("engine.QueueItem(" + mediaLocator + ")");
    items.push_back({mediaLocator, options, mode, itemPosition});
    ++queued;
  }
  void ClearQueue() override {
    Call("engine.ClearQueue");
    queued = 0;
  }
  int QueuedItemCount() override {
    Call("engine.QueuedItemCount");
    return queued;
  }
  bool IsPlaying() override {
    Call("engine.IsPlaying");
    return playing;
  }
  double PlaybackPosition() override {
    Call("engine.PlaybackPosition");
    return position;
  }
  void SetPlaybackPosition(double value) override {
    Call("engine.SetPlaybackPosition");
    position = value;
  }
  int ElapsedSeconds() override {
    Call("engine.ElapsedSeconds");
    return elapsed;
  }
  int LengthSeconds() override {
    Call("engine.LengthSeconds");
    return length;
  }
  int Volume() override {
    Call("engine.Volume");
    return volume;
  }
  void SetVolume(int value) override {
    Call("engine.SetVolume(" + std::to_string(value) + ")");
    volume = value;
  }

 private:
  void Call(const std::string& call) {
    log_.Add(call);
    const std::string name = call.substr(
        7, call.find('(') == std::string::npos ? std::string::npos : call.find('(') - 7);
    if (!failOn.empty() && name == failOn) {
      throw std::runtime_error("engine refused " + name);
    }
  }

  CallLog& log_;
};

}  // namespace tandrel::fakes
