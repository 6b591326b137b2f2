#include "backends/vlc/vlc_engine.h"

#include <turbojpeg.h>
#include <vlc/vlc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>

#include "components/hot_keys.h"

namespace tandrel {
namespace {

constexpr int kJpegQuality = 90;
// Pictures larger than this are not a DVD's and are refused rather than allocated.
constexpr unsigned kLargestSide = 8192;

bool StartsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// The program's locators hold the drive as it stands ("dvd:///media/My Film #2"); libVLC reads
// the part after "://" as a URI, where "#" and "%" mean something else. Everything but the
// plain characters of a path is escaped.
std::string EscapeLocator(const std::string& locator) {
  const size_t scheme = locator.find("://");
  if (scheme == std::string::npos) {
    return locator;
  }
  std::string escaped = locator.substr(0, scheme + 3);
  for (const unsigned char c : locator.substr(scheme + 3)) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
    if (plain) {
      escaped.push_back(static_cast<char>(c));
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      escaped += hex;
    }
  }
  return escaped;
}

bool Opening(libvlc_state_t state) {
  return state == libvlc_NothingSpecial || state == libvlc_Opening || state == libvlc_Buffering;
}

// Writes `bytes` to `path` by way of a temporary name, so that nobody sees half a file.
bool WriteWhole(const std::string& path, const unsigned char* bytes, size_t size) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  const bool written = std::fwrite(bytes, 1, size, file) == size;
  const bool closed = std::fclose(file) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace

VlcEngine::VlcEngine(ScreenSaver& screenSaver, FullScreenControl& fullScreen, Options options)
    : screenSaver_(screenSaver), fullScreen_(fullScreen) {
  std::vector<const char*> args = {"--quiet",           "--no-xlib",  "--no-video-title-show",
                                   "--no-osd",          "--no-stats", "--no-snapshot-preview",
                                   "--no-media-library"};
  if (options.silent) {
    args.push_back("--aout=adummy");
  }
  vlc_ = libvlc_new(static_cast<int>(args.size()), args.data());
  if (vlc_ == nullptr) {
    throw EngineError("libVLC could not be started; are its plugins installed?");
  }
  player_ = libvlc_media_player_new(vlc_);
  if (player_ == nullptr) {
    libvlc_release(vlc_);
    throw EngineError("libVLC could not make a media player");
  }
  libvlc_video_set_callbacks(player_, &VlcEngine::Lock, nullptr, &VlcEngine::Display, this);
  libvlc_video_set_format_callbacks(player_, &VlcEngine::Setup, &VlcEngine::Cleanup);
}

VlcEngine::~VlcEngine() {
  libvlc_media_player_stop(player_);
  libvlc_media_player_release(player_);
  libvlc_release(vlc_);
  if (inhibited_) {
    screenSaver_.UnInhibit();
  }
}

VlcEngine::Applied VlcEngine::Apply(const std::vector<std::string>& options) {
  // In list order, so that a later entry overrides an earlier one.
  Applied applied;
  for (const std::string& option : options) {
    if (option == "overlay") {
      applied.hardwareDecoding = true;
    } else if (option == "no-overlay") {
      applied.hardwareDecoding = false;
    } else if (StartsWith(option, "snapshot-path=")) {
      applied.snapshotFolder = option.substr(std::strlen("snapshot-path="));
    } else if (StartsWith(option, "snapshot-prefix=")) {
      applied.snapshotPrefix = option.substr(std::strlen("snapshot-prefix="));
    } else if (option == "snapshot-sequential") {
      applied.sequential = true;
    } else if (option == "no-snapshot-sequential") {
      applied.sequential = false;
    } else if (option == "disable-screensaver") {
      applied.inhibitScreenSaver = true;
    } else if (option == "no-disable-screensaver") {
      applied.inhibitScreenSaver = false;
    } else if (option == "no-osd") {
      applied.noOsd = true;
    } else if (option == "osd") {
      applied.noOsd = false;
    }
    // "snapshot-format=jpg" and "no-snapshot-preview" are how snapshots are made anyway.
  }
  return applied;
}

void VlcEngine::QueueItem(const std::string& mediaLocator, const std::vector<std::string>& options,
                          int, int) {
  queue_.push_back(Item{mediaLocator, options});
}

void VlcEngine::ClearQueue() {
  queue_.clear();
}

int VlcEngine::QueuedItemCount() {
  return static_cast<int>(queue_.size());
}

void VlcEngine::Open(const Item& item) {
  libvlc_media_t* media = libvlc_media_new_location(vlc_, EscapeLocator(item.locator).c_str());
  if (media == nullptr) {
    throw EngineError("Not a media locator: " + item.locator);
  }
  applied_ = Apply(item.options);
  libvlc_media_add_option(media,
                          applied_.hardwareDecoding ? ":avcodec-hw=any" : ":avcodec-hw=none");
  libvlc_media_player_set_media(player_, media);
  libvlc_media_release(media);
  if (applied_.noOsd) {
    libvlc_media_player_set_video_title_display(player_, libvlc_position_disable, 0);
  }
  open_ = true;
  audioSynced_ = false;
}

void VlcEngine::StartPlayback() {
  const libvlc_state_t state = libvlc_media_player_get_state(player_);
  pausing_ = false;
  if (open_ && state == libvlc_Paused) {
    libvlc_media_player_set_pause(player_, 0);
    SyncScreenSaver(true);
    return;
  }
  if (queue_.empty() || (open_ && (state == libvlc_Playing || Opening(state)))) {
    return;
  }
  Open(queue_.front());
  if (libvlc_media_player_play(player_) != 0) {
    StopPlayback();
    throw EngineError("The disc cannot be played: " + queue_.front().locator);
  }
  // Wait for the disc to open, so that one that cannot be read is reported now rather than
  // left opening for ever. A slow drive may take longer; it is then left to open on its own.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kOpenWaitMs);
  libvlc_state_t now = libvlc_media_player_get_state(player_);
  while (Opening(now) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    now = libvlc_media_player_get_state(player_);
  }
  if (now == libvlc_Error || now == libvlc_Ended || now == libvlc_Stopped) {
    const std::string locator = queue_.front().locator;
    StopPlayback();
    throw EngineError("The disc cannot be opened: " + locator);
  }
  SyncAudio();
  SyncScreenSaver(now == libvlc_Playing);
}

void VlcEngine::PausePlayback() {
  if (!open_) {
    return;
  }
  libvlc_media_player_set_pause(player_, 1);
  pausing_ = true;
  SyncScreenSaver(false);
}

void VlcEngine::StopPlayback() {
  libvlc_media_player_stop(player_);
  open_ = false;
  pausing_ = false;
  {
    std::lock_guard<std::mutex> lock(frameMutex_);
    front_.reset();
  }
  SyncScreenSaver(false);
}

void VlcEngine::JumpBy(int step) {
  if (!open_) {
    return;
  }
  const libvlc_time_t time = libvlc_media_player_get_time(player_);
  if (time < 0) {
    return;
  }
  libvlc_time_t target =
      std::max<libvlc_time_t>(0, time + static_cast<libvlc_time_t>(step) * kJumpStepMs);
  const libvlc_time_t length = libvlc_media_player_get_length(player_);
  if (length > 0) {
    // Not past the end, where the disc would stop.
    target = std::min<libvlc_time_t>(target, std::max<libvlc_time_t>(0, length - 1000));
  }
  libvlc_media_player_set_time(player_, target);
}

void VlcEngine::ToggleAudioMute() {
  muted_ = !muted_;
  libvlc_audio_set_mute(player_, muted_ ? 1 : 0);
}

void VlcEngine::SyncAudio() {
  // Before a disc has sound there is nothing to set; the values wait until there is.
  if (libvlc_audio_set_volume(player_, volume_) == 0) {
    libvlc_audio_set_mute(player_, muted_ ? 1 : 0);
    audioSynced_ = true;
  }
}

void VlcEngine::SyncScreenSaver(bool playing) {
  const bool wanted = playing && open_ && !pausing_ && applied_.inhibitScreenSaver;
  if (wanted != inhibited_) {
    inhibited_ = wanted;
    if (wanted) {
      screenSaver_.Inhibit();
    } else {
      screenSaver_.UnInhibit();
    }
  }
}

bool VlcEngine::IsPlaying() {
  const bool playing = open_ && libvlc_media_player_is_playing(player_) != 0;
  if (playing && !audioSynced_) {
    SyncAudio();
  }
  SyncScreenSaver(playing);
  return playing;
}

double VlcEngine::PlaybackPosition() {
  if (!open_) {
    return -1;
  }
  return libvlc_media_player_get_position(player_);
}

void VlcEngine::SetPlaybackPosition(double position) {
  if (!open_ || !std::isfinite(position)) {
    return;
  }
  libvlc_media_player_set_position(player_, static_cast<float>(std::clamp(position, 0.0, 1.0)));
}

int VlcEngine::ElapsedSeconds() {
  const libvlc_time_t time = open_ ? libvlc_media_player_get_time(player_) : 0;
  return time > 0 ? static_cast<int>(time / 1000) : 0;
}

int VlcEngine::LengthSeconds() {
  const libvlc_time_t length = open_ ? libvlc_media_player_get_length(player_) : 0;
  return length > 0 ? static_cast<int>(length / 1000) : 0;
}

int VlcEngine::Volume() {
  return volume_;
}

void VlcEngine::SetVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  audioSynced_ = false;
  SyncAudio();
}

void VlcEngine::SetEngineVariable(const std::string& name, int value) {
  if (name != hotkeys::kPressed) {
    keyBindings_[name] = value;
    return;
  }
  // Collect first: an action may bind keys itself.
  std::vector<std::string> actions;
  for (const auto& [action, code] : keyBindings_) {
    if (code == value) {
      actions.push_back(action);
    }
  }
  for (const std::string& action : actions) {
    PerformAction(action);
  }
}

void VlcEngine::PerformAction(const std::string& action) {
  if (action == hotkeys::kFullscreen) {
    fullScreen_.ToggleFullScreen();
  } else if (action == hotkeys::kSnapshot) {
    TakeSnapshot();
  } else if (open_) {
    static const std::map<std::string, libvlc_navigate_mode_t> kNavigation = {
        {hotkeys::kNavUp, libvlc_navigate_up},
        {hotkeys::kNavDown, libvlc_navigate_down},
        {hotkeys::kNavLeft, libvlc_navigate_left},
        {hotkeys::kNavRight, libvlc_navigate_right},
        {hotkeys::kNavActivate, libvlc_navigate_activate}};
    if (auto it = kNavigation.find(action); it != kNavigation.end()) {
      libvlc_media_player_navigate(player_, static_cast<unsigned>(it->second));
    }
  }
}

void VlcEngine::TakeSnapshot() {
  const std::shared_ptr<const VideoFrame> frame = LatestFrame();
  if (!frame || applied_.snapshotFolder.empty() ||
      !std::filesystem::is_directory(applied_.snapshotFolder)) {
    return;
  }
  tjhandle compressor = tjInitCompress();
  if (compressor == nullptr) {
    return;
  }
  unsigned char* jpeg = nullptr;
  unsigned long jpegSize = 0;
  const int failed =
      tjCompress2(compressor, frame->pixels.data(), frame->width, frame->width * 4, frame->height,
                  TJPF_BGRX, &jpeg, &jpegSize, TJSAMP_420, kJpegQuality, TJFLAG_FASTDCT);
  tjDestroy(compressor);
  if (failed != 0) {
    tjFree(jpeg);
    return;
  }

  const std::filesystem::path folder(applied_.snapshotFolder);
  std::filesystem::path file;
  std::error_code ec;
  if (applied_.sequential) {
    // The next number whose file is free.
    for (;; ++nextSnapshotNumber_) {
      char number[16];
      std::snprintf(number, sizeof number, "%05d", nextSnapshotNumber_);
      file = folder / (applied_.snapshotPrefix + number + ".jpg");
      if (!std::filesystem::exists(file, ec)) {
        break;
      }
    }
    ++nextSnapshotNumber_;
  } else {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const int millis = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[64];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%Hh%Mm%Ss", &local);
    char withMillis[80];
    std::snprintf(withMillis, sizeof withMillis, "%s%03d", stamp, millis);
    file = folder / (applied_.snapshotPrefix + withMillis + ".jpg");
  }
  if (WriteWhole(file.string(), jpeg, jpegSize)) {
    lastSnapshot_ = file.string();
  }
  tjFree(jpeg);
}

std::shared_ptr<const VideoFrame> VlcEngine::LatestFrame() const {
  std::lock_guard<std::mutex> lock(frameMutex_);
  return front_;
}

void VlcEngine::SetFrameListener(std::function<void()> listener) {
  std::lock_guard<std::mutex> lock(frameMutex_);
  frameListener_ = std::move(listener);
}

unsigned VlcEngine::Setup(void** opaque, char* chroma, unsigned* width, unsigned* height,
                          unsigned* pitches, unsigned* lines) {
  auto* self = static_cast<VlcEngine*>(*opaque);
  if (*width == 0 || *height == 0 || *width > kLargestSide || *height > kLargestSide) {
    return 0;
  }
  std::memcpy(chroma, "RV32", 4);
  pitches[0] = *width * 4;
  lines[0] = *height;
  std::lock_guard<std::mutex> lock(self->frameMutex_);
  self->frameWidth_ = static_cast<int>(*width);
  self->frameHeight_ = static_cast<int>(*height);
  self->back_.reset();
  return 1;
}

void VlcEngine::Cleanup(void*) {}

void* VlcEngine::Lock(void* opaque, void** planes) {
  auto* self = static_cast<VlcEngine*>(opaque);
  std::lock_guard<std::mutex> lock(self->frameMutex_);
  const size_t bytes = static_cast<size_t>(self->frameWidth_) * self->frameHeight_ * 4;
  if (!self->back_ || self->back_.use_count() != 1 || self->back_->pixels.size() != bytes) {
    self->back_ = std::make_shared<VideoFrame>();
    self->back_->pixels.resize(bytes);
  }
  self->back_->width = self->frameWidth_;
  self->back_->height = self->frameHeight_;
  planes[0] = self->back_->pixels.data();
  return nullptr;
}

void VlcEngine::Display(void* opaque, void*) {
  auto* self = static_cast<VlcEngine*>(opaque);
  std::function<void()> listener;
  {
    std::lock_guard<std::mutex> lock(self->frameMutex_);
    std::swap(self->front_, self->back_);
    listener = self->frameListener_;
  }
  if (listener) {
    listener();
  }
}

}  // namespace tandrel
