#include "app/main_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <filesystem>

#include "app/application.h"
#include "app/configuration.h"
#include "app/paths.h"
#include "app/skin_file.h"
#include "components/movie_variables.h"
#include "controlbar/dvd_bar_form.h"
#include "controlbar/hooking.h"
#include "lang/captions.h"
#include "lang/keys.h"
#include "lang/language_reader.h"
#include "options/options_dialog.h"

namespace tandrel {
namespace {

constexpr const char* kSingleInstanceMarker = "BrimwellTandrel";
// A movie size beyond this is not a size but a fault of the movie.
constexpr int kLargestMovieSide = 16384;

// The pixels of a "_width" or "_height" answer, or 0 when it is not a usable number.
int ParseMovieSide(std::string text) {
  const auto first = text.find_first_not_of(" \t");
  const auto last = text.find_last_not_of(" \t");
  if (first == std::string::npos) {
    return 0;
  }
  text = text.substr(first, last - first + 1);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !(value >= 1) ||
      value > kLargestMovieSide) {
    return 0;
  }
  return static_cast<int>(std::lround(value));
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

MainForm::MainForm(Application& app) : app_(app) {}

MainForm::~MainForm() = default;

void MainForm::Initialize() {
  Windows& windows = app_.platform().windows;
  window_ = windows.CreateMainWindow(*this);
  window_->SetGeometry(mainlayout::kPlayer);
  player().SetCommandHandler([this](const std::string& command, const std::string& args) {
    player_FSCommand(command, args);
  });
  movieTimer_ =
      app_.platform().timers.CreateTimer(kTimerIntervalMs, [this] { movieTimer_Timer(); });
  movieTimer_->Start();
  // Not modal, and painted at once, so that it shows while the main window loads.
  splash_ = windows.CreateSplash();
  splash_->Show();
  splash_->Repaint();
}

void MainForm::Form_Load() {
  Platform& platform = app_.platform();
  LanguageReader& lang = app_.lang();

  if (platform.instance.PreviousInstanceRunning()) {
    platform.messages.Show(lang.SetCaptionfromINI(keys::kAlreadyRunning),
                           lang.SetCaptionfromINI(keys::kWarningTitle), MessageIcon::Warning,
                           MessageButtons::Ok);
    CloseSplash();
    QueryClose();
    return;
  }
  // Without its movies the player has no face at all; say which file is at fault and touch
  // nothing.
  const std::string programFolder = platform.environment.ProgramFolder();
  if (auto unusable = FindUnusableResource(programFolder)) {
    FailStartup("Tandrel cannot start because one of its files is missing or damaged:\r" +
                *unusable);
    return;
  }

  platform.instance.CreateSingleInstanceMarker(kSingleInstanceMarker);
  StartHook();

  player().SetMoviePath(ProgramFile(platform.environment, kResourcesFolder, kScreenMovieName));
  const Rect designed = window_->Geometry();
  player().SetSize(designed.width, designed.height);

  const std::string skinPath = SkinFilePath(platform.environment);
  std::error_code ignored;
  std::filesystem::remove(skinPath, ignored);
  if (!AssembleSkinFile(ProgramFile(platform.environment, kResourcesFolder, kSkinHeaderName),
                        ProgramFile(platform.environment, kResourcesFolder, kSkinBodyName),
                        skinPath)) {
    FailStartup("Tandrel cannot start because it cannot write its skin file:\r" + skinPath);
    return;
  }

  EnableTransport(false);
  logoHideLeft = mainlayout::kStage.left;
  volumeSlider = platform.engine.Volume();
  movieProgress = 0;
  ApplyMovieSize();

  // Reading the bar's position is its first use: it loads here.
  DvdBarForm& bar = app_.dvdBarForm();
  const ScreenSize screen = platform.windows.PrimaryScreen();
  Rect placed = window_->Geometry();
  placed.left = (screen.width - placed.width) / 2;
  placed.top = bar.window().Geometry().top - placed.height;
  window_->SetGeometry(placed);

  player().SetMovieVariable(movievars::kFileName, std::string(kAppTitle));
  bar.gui().SetMovieVariable(movievars::kTimeElapsed, "");

  Settings& settings = app_.state().settings;
  const ConfigReadResult read =
      LoadConfigurations(ProgramFile(platform.environment, kConfigFileName), settings);
  if (read.failed) {
    RecoverConfiguration(read.opened);
    return;
  }
  RunStartupStep([&] {
    if (settings.SnapshotFolder.empty()) {
      settings.SnapshotFolder = GetDesktopFolder();
    }
  });
  if (TrimBlanks(settings.LanguageFile).empty()) {
    settings.LanguageFile = kDefaultLanguageFile;
  }
  RunStartupStep([&] { SaveOptions(); });
  RunStartupStep([&] { ApplyCaptions(); });
  CloseSplash();
  RunStartupStep([&] { bar.window().Show(); });
  RunStartupStep([&] { PlayDVD(platform.environment.CommandLine()); });
}

void MainForm::RecoverConfiguration(bool opened) {
  (void)opened;  // the unreadable file is replaced by the rename, whether it was opened or not
  Platform& platform = app_.platform();
  LanguageReader& lang = app_.lang();
  const std::string path = ProgramFile(platform.environment, kConfigFileName);
  const std::string desktop = GetDesktopFolder();
  const bool written = WriteConfiguration(path, DefaultSettings(desktop));
  app_.state().settings = DefaultSettings(desktop);

  RunStartupStep([&] { SaveOptions(); });
  RunStartupStep([&] { ApplyCaptions(); });
  CloseSplash();
  std::string text = lang.SetCaptionfromINI(keys::kNoConfiguration) + "\r";
  if (written) {
    text += lang.SetCaptionfromINI(keys::kConfigurationCreated);
  } else {
    // Saying a new one was created would be untrue; the defaults hold for this run only.
    text += "The defaults are used, but they could not be saved to " + path + ".";
  }
  platform.messages.Show(text, std::string(kAppTitle), MessageIcon::Information,
                         MessageButtons::Ok);
  RunStartupStep([&] { app_.dvdBarForm().window().Show(); });
  RunStartupStep([&] { PlayDVD(platform.environment.CommandLine()); });
}

template <typename Step>
void MainForm::RunStartupStep(Step&& step) {
  try {
    step();
  } catch (const std::exception& failure) {
    app_.lang().WriteErrorLog(DescribeFailure(failure, "Form_Load"));
  }
}

void MainForm::ApplyMovieSize() {
  const int width = ParseMovieSide(player().GetMovieVariable(movievars::kWidth));
  const int height = ParseMovieSide(player().GetMovieVariable(movievars::kHeight));
  // A movie that does not tell its size keeps the designed one.
  if (width == 0 || height == 0) {
    return;
  }
  Rect sized = window_->Geometry();
  sized.width = width;
  sized.height = height;
  window_->SetGeometry(sized);
  player().SetSize(width, height);
}

void MainForm::FailStartup(const std::string& text) {
  Platform& platform = app_.platform();
  platform.messages.Show(text, std::string(kAppTitle), MessageIcon::Critical, MessageButtons::Ok);
  CloseSplash();
  platform.process.EndProcess(1);
}

void MainForm::CloseSplash() {
  if (splash_) {
    splash_->Close();
    splash_.reset();
  }
}

void MainForm::Form_Unload(int& cancel) {
  if (timeElapsed == LoadingText()) {
    cancel = 1;
  }
  StopHook();
  app_.aboutForm_Unload();
  app_.optionsDialog_Unload();
  app_.dvdBarForm_Unload();
}

bool MainForm::QueryClose() {
  if (IsClosed()) {
    return true;
  }
  int cancel = 0;
  Form_Unload(cancel);
  if (cancel != 0) {
    return false;
  }
  window_->Close();
  window_.reset();
  return true;
}

void MainForm::EnableTransport(bool enabled) {
  app_.optionsDialog().menus.editMenu.enabled = enabled;
  playButton.enabled = enabled;
  stopButton.enabled = enabled;
  pauseButton.enabled = enabled;
  rewindButton.enabled = enabled;
  ffButton.enabled = enabled;
}

void MainForm::StartHook() {
  if (!IsClosed()) {
    app_.hooking().HookFormMovie(window_->NativeHandle(), Hooking::MovieKind::Screen, true);
  }
}

void MainForm::StopHook() {
  if (!IsClosed()) {
    app_.hooking().HookFormMovie(window_->NativeHandle(), Hooking::MovieKind::Screen, false);
  }
}

void MainForm::ApplyCaptions() {
  tandrel::ApplyCaptions(app_);
}

std::string MainForm::GetDesktopFolder() {
  return app_.platform().desktop.GetDesktopFolder();
}

std::string MainForm::GetWallpaperFolder() {
  return app_.platform().desktop.GetWallpaperFolder();
}

void MainForm::SetWallpaper(const std::string& bitmapPath) {
  app_.platform().desktop.SetWallpaper(bitmapPath, app_.state().settings.WallpaperStyle);
}

std::string MainForm::LoadingText() {
  return app_.lang().SetCaptionfromINI(keys::kLoading);
}

std::string MainForm::VolumeText() {
  return app_.lang().SetCaptionfromINI(keys::kVolume) + " " + std::to_string(volumeSlider);
}

}  // namespace tandrel
