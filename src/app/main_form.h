#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/file_list.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace tandrel {

class Application;

// The main window as designed, in pixels (the design's 1/1440 inch units at 15 to a pixel).
namespace mainlayout {
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int Pixels(int twips) {
  return twips / kTwipsPerPixel;
}
// The screen movie fills the window; start-up then sizes both to the movie's own size.
inline constexpr Rect kPlayer{0, 0, Pixels(6855), Pixels(5670)};
// The video area in front of the screen movie, which frames the picture.
inline constexpr Rect kVideoArea{Pixels(525), Pixels(720), Pixels(5775), Pixels(4230)};
// The engine's picture and the black cover over it, inside the video area.
inline constexpr Rect kStage{0, 0, Pixels(5780), Pixels(4240)};
inline constexpr int kBackgroundRed = 204;
inline constexpr int kBackgroundGreen = 204;
inline constexpr int kBackgroundBlue = 204;
}  // namespace mainlayout

// A button of the hidden transport panel: its caption and enabled flag are the state it carries.
struct HiddenButton {
  std::string caption;
  bool enabled = true;
};

// The main window: the video, the screen movie around it, and the hidden controls whose state
// is the transport's.
class MainForm {
 public:
  explicit MainForm(Application& app);
  ~MainForm();

  // Creation of the main window: its window, hidden, and the splash shown at once.
  void Initialize();
  // The start-up sequence.
  void Form_Load();
  // Unload handling: sets `cancel` to 1 while a disc is loading, and closes the other windows
  // in any case. Every step is harmless when repeated.
  void Form_Unload(int& cancel);
  // The window is asked to close (by the toolkit or by start-up). False when refused; the
  // window is destroyed otherwise.
  bool QueryClose();
  bool IsClosed() const { return window_ == nullptr; }

  // Enables or disables the Edit menu and the five transport buttons together.
  void EnableTransport(bool enabled);

  // Transport. Each operation checks the engine's state first and does nothing at all when
  // that guard fails. Engine failures pass to the caller.
  void playButton_Click();
  void pauseButton_Click();
  void stopButton_Click();
  void ffButton_Click();
  void rewindButton_Click();
  void muteStatus_Click();
  // Applies the volume slider; only with `button` 1 (the left button). Unmutes first.
  void volumeSlider_MouseMove(int button, int shift, int x, int y);
  void FullScreen();

  // The 10 ms tick: mirrors the engine's state into the time texts, the seek knob, the video
  // cover and the transport's enabled state. A failing call ends that tick only.
  void movieTimer_Timer();
  // Commands of the screen movie: dragging the window and seeking with the knob.
  void player_FSCommand(const std::string& command, const std::string& args);

  void StartHook();
  void StopHook();
  // Builds the engine option list from the settings and clears old snapshot images out of the
  // folder that snapshots are delivered through.
  void SaveOptions();
  // Puts the active language pack's texts on the menus and dialogs.
  void ApplyCaptions();
  // Opens the disc in the drive named by `drive`, a drive root; an empty text does nothing.
  void PlayDVD(const std::string& drive);
  // Takes a snapshot of the picture and delivers it.
  void Snapshot();
  // Runs the options dialog and applies what it changed to the display.
  void optionsMenuCommand_Click();

  std::string GetDesktopFolder();
  std::string GetWallpaperFolder();
  // Makes the bitmap the desktop wallpaper, laid out as the settings say.
  void SetWallpaper(const std::string& bitmapPath);

  // The language text of "Volume", a space and the volume level.
  std::string VolumeText();
  // The loading text, which stands in `timeElapsed` while a disc opens.
  std::string LoadingText();

  MovieWindow& window() { return *window_; }
  Movie& player() { return window_->movie(); }

  // The hidden panel.
  HiddenButton rewindButton{"7"};
  HiddenButton playButton{"4"};
  HiddenButton pauseButton{";"};
  HiddenButton stopButton{"<"};
  HiddenButton ffButton{"8"};
  HiddenButton muteStatus{"U"};
  int volumeSlider = 0;
  int movieProgress = 0;
  std::string timeElapsed;
  // The black cover over the video area, shown while nothing is open.
  bool logoHideVisible = true;
  int logoHideLeft = 0;
  // Names of the snapshot images ("IMG_*.jpg") in the folder they are delivered through.
  FileList tempImages{"IMG_*.jpg"};

  static constexpr int kTimerIntervalMs = 10;
  // The fixed wait after starting or stopping playback.
  static constexpr int kEngineWaitMs = 500;
  static constexpr size_t kEngineOptionCount = 10;

  void SetLogoHideVisible(bool visible);

 private:
  void DeleteListedImages();
  // The skin's copy of the time text.
  void SetSkinTime(const std::string& text);
  void CloseSplash();
  // Shows why start-up cannot go on and ends the process with a failure status.
  void FailStartup(const std::string& text);
  void ApplyMovieSize();
  void RecoverConfiguration(bool opened);
  // A step after the configuration read whose failure is logged, not fatal: the player comes
  // up with whatever the remaining steps give it.
  template <typename Step>
  void RunStartupStep(Step&& step);

  Application& app_;
  std::unique_ptr<Window> splash_;
  std::unique_ptr<MovieWindow> window_;
  std::unique_ptr<Timer> movieTimer_;
  // Bytes available to the user on the snapshot folder's volume, from the last query that
  // worked.
  uint64_t freeBytesAvailable_ = 0;
};

}  // namespace tandrel
