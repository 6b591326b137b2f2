#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "components/video_engine.h"
#include "platform/video_output.h"

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_media_t;

namespace tandrel {

// The video engine over libVLC 3. Pictures are decoded into memory and handed to the window
// through VideoFrames, so the same engine works on X11, under Xvfb, with Qt's offscreen platform
// and with no display at all. The option list of each queued disc is applied here:
//  - "overlay"/"no-overlay": hardware decoding on or off, the later entry winning;
//  - "snapshot-path=", "snapshot-prefix=", "snapshot-format=jpg", "snapshot-sequential": where
//    and how the snapshot hot key writes its JPEG (prefix, five-digit number, ".jpg");
//  - "no-osd": no title or other text on the picture ("no-snapshot-preview" holds anyway);
//  - "disable-screensaver": the screen saver is inhibited while the disc plays.
// One JumpBy step is ten seconds.
class VlcEngine : public VideoEngine, public VideoFrames {
 public:
  struct Options {
    // No sound device: the audio goes nowhere (tests, machines without sound).
    bool silent = false;
  };

  static constexpr int kJumpStepMs = 10000;
  // How long StartPlayback waits for a disc to open before it leaves it opening.
  static constexpr int kOpenWaitMs = 4000;

  VlcEngine(ScreenSaver& screenSaver, FullScreenControl& fullScreen, Options options);
  ~VlcEngine() override;

  VlcEngine(const VlcEngine&) = delete;
  VlcEngine& operator=(const VlcEngine&) = delete;

  // Throws EngineError when the queued disc cannot be opened.
  void StartPlayback() override;
  void PausePlayback() override;
  void StopPlayback() override;
  void JumpBy(int step) override;
  void ToggleAudioMute() override;
  void SetEngineVariable(const std::string& name, int value) override;
  void QueueItem(const std::string& mediaLocator, const std::vector<std::string>& options, int mode,
                 int position) override;
  void ClearQueue() override;
  int QueuedItemCount() override;
  bool IsPlaying() override;
  double PlaybackPosition() override;
  void SetPlaybackPosition(double position) override;
  int ElapsedSeconds() override;
  int LengthSeconds() override;
  int Volume() override;
  void SetVolume(int volume) override;

  std::shared_ptr<const VideoFrame> LatestFrame() const override;
  void SetFrameListener(std::function<void()> listener) override;

  // The file the latest snapshot went to; empty before the first.
  std::string LastSnapshot() const { return lastSnapshot_; }

 private:
  struct Item {
    std::string locator;
    std::vector<std::string> options;
  };
  // What an item's option list asks of the engine.
  struct Applied {
    bool hardwareDecoding = true;
    bool inhibitScreenSaver = false;
    bool noOsd = false;
    std::string snapshotFolder;
    std::string snapshotPrefix = "vlcsnap-";
    bool sequential = false;
  };
  static Applied Apply(const std::vector<std::string>& options);

  void Open(const Item& item);
  void TakeSnapshot();
  void PerformAction(const std::string& action);
  void SyncAudio();
  void SyncScreenSaver(bool playing);

  // The picture callbacks, on the decoder's thread.
  static unsigned Setup(void** opaque, char* chroma, unsigned* width, unsigned* height,
                        unsigned* pitches, unsigned* lines);
  static void Cleanup(void* opaque);
  static void* Lock(void* opaque, void** planes);
  static void Display(void* opaque, void* picture);

  ScreenSaver& screenSaver_;
  FullScreenControl& fullScreen_;
  libvlc_instance_t* vlc_ = nullptr;
  libvlc_media_player_t* player_ = nullptr;

  std::vector<Item> queue_;
  Applied applied_;
  bool open_ = false;  // a media of ours is set on the player
  bool inhibited_ = false;
  // A pause was asked for: libVLC reports playing for a moment longer, which must not bring the
  // screen saver's inhibition back.
  bool pausing_ = false;

  int volume_ = 50;
  bool muted_ = false;
  bool audioSynced_ = false;

  std::map<std::string, int> keyBindings_;
  int nextSnapshotNumber_ = 1;
  std::string lastSnapshot_;

  // The decoder writes into `back_` while the window shows `front_`; a picture that is done
  // swaps them. A back picture still held by someone (the window painting it, a snapshot) is
  // left to them and a fresh one is taken.
  mutable std::mutex frameMutex_;
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  std::shared_ptr<VideoFrame> back_;
  std::shared_ptr<VideoFrame> front_;
  std::function<void()> frameListener_;
};

}  // namespace tandrel
