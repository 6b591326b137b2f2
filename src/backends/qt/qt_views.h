#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

#include "backends/qt/qt_movie.h"
#include "platform/video_output.h"
#include "platform/window.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tandrel {

class MainForm;
class DvdBarForm;
class OptionsDialog;
class AboutForm;

// The program's icon, drawn: a disc with a play mark.
QIcon ProgramIcon();

// A top-level window of a form as the program sees it. The widget it wraps is the form's view.
class QtWindow : public MovieWindow {
 public:
  QtWindow(QWidget* widget, QtMovie* movie, std::function<void()> render);
  ~QtWindow() override;

  void Show() override;
  void ShowModal() override;
  void Hide() override;
  void Close() override;
  bool IsVisible() const override;
  void Repaint() override;
  void Refresh() override;
  void Focus() override;
  Rect Geometry() const override;
  void SetGeometry(const Rect& rect) override;
  WindowState State() const override;
  void SetState(WindowState state) override;
  NativeWindow NativeHandle() const override;
  Movie& movie() override;

  QWidget* widget() const { return widget_; }
  // Runs once the window has been closed.
  std::function<void()> onClosed;

 private:
  QPointer<QWidget> widget_;
  QtMovie* movie_;
  std::function<void()> render_;
};

// The picture of the video engine, scaled into its place with its shape kept.
class VideoView : public QWidget {
  Q_OBJECT

 public:
  VideoView(VideoFrames& frames, QWidget* parent);
  ~VideoView() override;

 signals:
  void leaveFullScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  VideoFrames& frames_;
  std::shared_ptr<std::atomic<bool>> pending_;
};

// Full screen for the picture: the video view leaves the main window for a screen of its own,
// and comes back on a second request, a double click or Esc.
class QtFullScreen : public FullScreenControl {
 public:
  void Attach(VideoView* view, QWidget* home, QRect place);
  void ToggleFullScreen() override;

 private:
  QPointer<VideoView> view_;
  QPointer<QWidget> home_;
  QRect place_;
  bool full_ = false;
};

class MainWindowView : public QWidget {
 public:
  MainWindowView(MainForm& form, VideoFrames& frames, QtFullScreen& fullScreen,
                 QtMovie::FailureSink failures);
  QtMovie* movie() const { return movie_; }
  void Render();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  MainForm& form_;
  QtMovie* movie_;
  QWidget* videoArea_;
  QWidget* logoHide_;
};

class ControlBarView : public QWidget {
 public:
  ControlBarView(DvdBarForm& form, QtMovie::FailureSink failures);
  QtMovie* movie() const { return movie_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  DvdBarForm& form_;
  QtMovie* movie_;
};

class SplashView : public QWidget {
 public:
  SplashView();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class OptionsView : public QDialog {
 public:
  explicit OptionsView(OptionsDialog& form);
  void Render();

 protected:
  void reject() override;
  void accept() override;

 private:
  OptionsDialog& form_;
  bool rendering_ = false;
  QGroupBox* languageFrame_;
  QLabel* languageLabel_;
  QComboBox* availableLanguages_;
  QRadioButton* optToFile_;
  QLineEdit* snapshotPath_;
  QPushButton* snapshotsBrowse_;
  QRadioButton* optToClipboard_;
  QRadioButton* optToDesktop_;
  QComboBox* cmbWallpaperType_;
  QCheckBox* chkOverlay_;
  QCheckBox* chkScreenSaver_;
  QCheckBox* chkAutoPlay_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

class AboutView : public QDialog {
 public:
  explicit AboutView(AboutForm& form);
  void Render();

 protected:
  void reject() override;
  void accept() override;

 private:
  AboutForm& form_;
  QLabel* title_;
  QLabel* version_;
  QLabel* description_;
  QLabel* web_;
  QLabel* mail_;
  QPushButton* ok_;
};

// Makes the windows of the forms, pops up the hidden menus, and ends the Qt event loop once
// the main window and the control bar are both gone.
class QtWindows : public Windows {
 public:
  QtWindows(VideoFrames& frames, QtFullScreen& fullScreen, QtMovie::FailureSink failures);

  std::unique_ptr<Window> CreateSplash() override;
  std::unique_ptr<MovieWindow> CreateMainWindow(MainForm& form) override;
  std::unique_ptr<MovieWindow> CreateControlBar(DvdBarForm& form) override;
  std::unique_ptr<Window> CreateOptionsWindow(OptionsDialog& form) override;
  std::unique_ptr<Window> CreateAboutWindow(AboutForm& form) override;
  void PopupMenu(OptionsDialog& owner, PopupMenuId menu) override;
  ScreenSize PrimaryScreen() const override;

  QWidget* mainWindow() const { return main_; }
  QWidget* controlBar() const { return bar_; }

 private:
  void QuitWhenBothGone();

  VideoFrames& frames_;
  QtFullScreen& fullScreen_;
  QtMovie::FailureSink failures_;
  QPointer<QWidget> main_;
  QPointer<QWidget> bar_;
  // Work queued for later goes with this object.
  QObject context_;
  bool mainMade_ = false;
  bool barMade_ = false;
};

}  // namespace tandrel
