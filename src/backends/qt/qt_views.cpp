#include "backends/qt/qt_views.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "about/about_form.h"
#include "app/main_form.h"
#include "controlbar/dvd_bar_form.h"
#include "lang/keys.h"
#include "options/options_dialog.h"

namespace tandrel {
namespace {

QRect Twips(int left, int top, int width, int height) {
  return QRect(mainlayout::Pixels(left), mainlayout::Pixels(top), mainlayout::Pixels(width),
               mainlayout::Pixels(height));
}

QRect Pixels(const Rect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString Css(const Rgb& colour) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

// Drive names are data, not captions: an ampersand in a label is shown, not an accelerator.
QString Literal(const std::string& text) {
  return Text(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void DrawLogo(QPainter& painter, const QRectF& box) {
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = box.center();
  const qreal r = std::min(box.width(), box.height()) / 2;
  QRadialGradient disc(centre, r);
  disc.setColorAt(0, QColor(0xe8, 0xee, 0xf4));
  disc.setColorAt(0.6, QColor(0x9f, 0xb8, 0xd0));
  disc.setColorAt(1, QColor(0x4a, 0x6f, 0x94));
  painter.setPen(Qt::NoPen);
  painter.setBrush(disc);
  painter.drawEllipse(centre, r, r);
  painter.setBrush(QColor(0x1b, 0x2a, 0x3a));
  painter.drawEllipse(centre, r * 0.62, r * 0.62);
  QPainterPath play;
  play.moveTo(centre + QPointF(-r * 0.22, -r * 0.32));
  play.lineTo(centre + QPointF(r * 0.36, 0));
  play.lineTo(centre + QPointF(-r * 0.22, r * 0.32));
  play.closeSubpath();
  painter.setBrush(QColor(0x4a, 0xa3, 0xdf));
  painter.drawPath(play);
}

// A label that acts when clicked, for the About box's links.
class LinkLabel : public QLabel {
 public:
  LinkLabel(QWidget* parent, std::function<void()> click)
      : QLabel(parent), click_(std::move(click)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      click_();
    }
  }

 private:
  std::function<void()> click_;
};

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawLogo(painter, QRectF(0.5, 0.5, side - 1, side - 1));
    icon.addPixmap(pixmap);
  }
  return icon;
}

// ---- QtWindow

QtWindow::QtWindow(QWidget* widget, QtMovie* movie, std::function<void()> render)
    : widget_(widget), movie_(movie), render_(std::move(render)) {}

QtWindow::~QtWindow() {
  Close();
}

void QtWindow::Show() {
  if (widget_) {
    widget_->show();
  }
}

void QtWindow::ShowModal() {
  if (!widget_) {
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(widget_.data())) {
    dialog->exec();
    return;
  }
  widget_->setWindowModality(Qt::ApplicationModal);
  widget_->show();
}

void QtWindow::Hide() {
  if (widget_) {
    widget_->hide();
  }
}

void QtWindow::Close() {
  if (!widget_) {
    return;
  }
  QWidget* widget = widget_;
  widget_.clear();
  widget->hide();
  // Possibly from within one of the widget's own handlers: it goes once that has returned.
  widget->deleteLater();
  if (onClosed) {
    auto closed = std::move(onClosed);
    closed();
  }
}

bool QtWindow::IsVisible() const {
  return widget_ && widget_->isVisible();
}

void QtWindow::Repaint() {
  if (widget_) {
    widget_->repaint();
  }
}

void QtWindow::Refresh() {
  if (widget_ && render_) {
    render_();
  }
}

void QtWindow::Focus() {
  if (widget_) {
    widget_->activateWindow();
    widget_->setFocus();
  }
}

Rect QtWindow::Geometry() const {
  if (!widget_) {
    return {};
  }
  const QRect frame = widget_->geometry();
  return Rect{frame.x(), frame.y(), frame.width(), frame.height()};
}

void QtWindow::SetGeometry(const Rect& rect) {
  if (widget_) {
    widget_->setGeometry(Pixels(rect));
  }
}

WindowState QtWindow::State() const {
  return widget_ && widget_->isMinimized() ? WindowState::Minimized : WindowState::Normal;
}

void QtWindow::SetState(WindowState state) {
  if (!widget_) {
    return;
  }
  if (state == WindowState::Minimized) {
    widget_->showMinimized();
  } else {
    widget_->showNormal();
  }
}

NativeWindow QtWindow::NativeHandle() const {
  return reinterpret_cast<NativeWindow>(widget_.data());
}

Movie& QtWindow::movie() {
  return *movie_;
}

// ---- VideoView and full screen

VideoView::VideoView(VideoFrames& frames, QWidget* parent)
    : QWidget(parent), frames_(frames), pending_(std::make_shared<std::atomic<bool>>(false)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  QPointer<VideoView> self(this);
  // The listener holds only this flag: the engine may outlive the view, and the view the
  // engine, and neither then reaches the other.
  std::weak_ptr<std::atomic<bool>> pending = pending_;
  // New pictures arrive on the decoder's thread; one repaint at a time is asked of this one.
  frames_.SetFrameListener([self, pending] {
    const std::shared_ptr<std::atomic<bool>> alive = pending.lock();
    if (alive && !alive->exchange(true)) {
      QMetaObject::invokeMethod(
          qApp,
          [self] {
            if (self) {
              self->update();
            }
          },
          Qt::QueuedConnection);
    }
  });
}

VideoView::~VideoView() = default;

void VideoView::paintEvent(QPaintEvent*) {
  pending_->store(false);
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const std::shared_ptr<const VideoFrame> frame = frames_.LatestFrame();
  if (!frame || frame->width <= 0 || frame->height <= 0) {
    return;
  }
  const QImage image(frame->pixels.data(), frame->width, frame->height, frame->width * 4,
                     QImage::Format_RGB32);
  // A DVD's picture is 4:3 (or 16:9) whatever its pixel count; the area here is 4:3.
  QSize shown(4, 3);
  shown.scale(size(), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), shown);
  target.moveCenter(rect().center());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
}

void VideoView::mouseDoubleClickEvent(QMouseEvent*) {
  if (isWindow()) {
    emit leaveFullScreen();
  }
}

void VideoView::keyPressEvent(QKeyEvent* event) {
  if (isWindow() && event->key() == Qt::Key_Escape) {
    emit leaveFullScreen();
    return;
  }
  QWidget::keyPressEvent(event);
}

void QtFullScreen::Attach(VideoView* view, QWidget* home, QRect place) {
  view_ = view;
  home_ = home;
  place_ = place;
  QObject::connect(view, &VideoView::leaveFullScreen, view, [this] {
    if (full_) {
      ToggleFullScreen();
    }
  });
}

void QtFullScreen::ToggleFullScreen() {
  if (!view_) {
    return;
  }
  if (!full_) {
    view_->setParent(nullptr);
    view_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    view_->setWindowTitle(QString::fromLatin1(kAppTitle.data(), kAppTitle.size()));
    view_->showFullScreen();
    view_->activateWindow();
    view_->setFocus();
    full_ = true;
  } else {
    view_->setParent(home_);
    view_->setWindowFlags(Qt::Widget);
    view_->setGeometry(place_);
    view_->show();
    view_->lower();
    full_ = false;
  }
}

// ---- MainWindowView

MainWindowView::MainWindowView(MainForm& form, VideoFrames& frames, QtFullScreen& fullScreen,
                               QtMovie::FailureSink failures)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), form_(form) {
  setWindowTitle(QStringLiteral("Tandrel"));
  setWindowIcon(ProgramIcon());
  setStyleSheet(QStringLiteral("background: rgb(%1,%2,%3);")
                    .arg(mainlayout::kBackgroundRed)
                    .arg(mainlayout::kBackgroundGreen)
                    .arg(mainlayout::kBackgroundBlue));
  movie_ = new QtMovie(QtMovie::Scale::NoScaleTopLeft, std::move(failures), this);
  movie_->setGeometry(Pixels(mainlayout::kPlayer));
  videoArea_ = new QWidget(this);
  videoArea_->setGeometry(Pixels(mainlayout::kVideoArea));
  auto* video = new VideoView(frames, videoArea_);
  const QRect stage = Pixels(mainlayout::kStage);
  video->setGeometry(stage);
  logoHide_ = new QWidget(videoArea_);
  logoHide_->setGeometry(stage);
  logoHide_->setStyleSheet(QStringLiteral("background: black;"));
  logoHide_->setAttribute(Qt::WA_TransparentForMouseEvents);
  videoArea_->raise();
  fullScreen.Attach(video, videoArea_, stage);
  auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this);
  connect(shortcut, &QShortcut::activated, this, [this] { form_.FullScreen(); });
  Render();
}

void MainWindowView::Render() {
  logoHide_->setGeometry(mainlayout::kStage.left + form_.logoHideLeft, mainlayout::kStage.top,
                         mainlayout::kStage.width, mainlayout::kStage.height);
  logoHide_->setVisible(form_.logoHideVisible);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  if (!form_.QueryClose()) {
    event->ignore();
  }
}

// ---- ControlBarView

ControlBarView::ControlBarView(DvdBarForm& form, QtMovie::FailureSink failures)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form_(form) {
  setWindowTitle(QStringLiteral("Tandrel"));
  setWindowIcon(ProgramIcon());
  setFixedSize(DvdBarForm::kWidth, DvdBarForm::kHeight);
  movie_ = new QtMovie(QtMovie::Scale::ShowAllLeft, std::move(failures), this);
  movie_->setGeometry(0, 0, DvdBarForm::kWidth, DvdBarForm::kHeight);
}

void ControlBarView::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  form_.Form_Paint();
}

void ControlBarView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.Form_Resize();
}

void ControlBarView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    form_.Form_Resize();
  }
}

void ControlBarView::closeEvent(QCloseEvent* event) {
  event->accept();
  form_.Form_Unload();
}

// ---- SplashView

SplashView::SplashView()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFixedSize(300, 140);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void SplashView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient background(0, 0, 0, height());
  background.setColorAt(0, QColor(0x24, 0x33, 0x44));
  background.setColorAt(1, QColor(0x12, 0x1a, 0x24));
  painter.fillRect(rect(), background);
  painter.setPen(QColor(0x4a, 0x6f, 0x94));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  DrawLogo(painter, QRectF(24, 30, 80, 80));
  painter.setPen(Qt::white);
  QFont title = font();
  title.setPointSize(18);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(120, 34, 170, 36), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Tandrel"));
  QFont small = font();
  small.setPointSize(10);
  painter.setFont(small);
  painter.setPen(QColor(0xc8, 0xd4, 0xe0));
  painter.drawText(QRect(120, 74, 170, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Loading..."));
}

// ---- OptionsView

OptionsView::OptionsView(OptionsDialog& form)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      form_(form) {
  using namespace optionslayout;
  setFixedSize(mainlayout::Pixels(kClientWidth), mainlayout::Pixels(kClientHeight));
  setWindowIcon(ProgramIcon());
  setStyleSheet(
      QStringLiteral("QDialog, QGroupBox, QLabel, QCheckBox, QRadioButton { background: %1; "
                     "color: %2; }"
                     "QGroupBox { border: 1px solid rgba(255,255,255,90); margin-top: 7px; }"
                     "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 3px; }"
                     "QPushButton { background: %3; color: black; border: 1px solid #7a6a7a; "
                     "border-radius: 2px; }"
                     "QPushButton:default { border: 2px solid #3d2f3d; }"
                     "QPushButton:disabled { color: #8a808a; }"
                     "QLineEdit:disabled, QComboBox:disabled { color: #777; }")
          .arg(Css(kBackground), Css(kText), Css(kButton)));

  auto place = [&](QWidget* widget, const char* name) {
    for (const DialogControl& control : kControls) {
      if (std::string_view(control.name) == name) {
        widget->setGeometry(Twips(control.left, control.top, control.width, control.height));
      }
    }
  };
  languageFrame_ = new QGroupBox(this);
  place(languageFrame_, "languageFrame");
  languageLabel_ = new QLabel(languageFrame_);
  languageLabel_->setAlignment(Qt::AlignCenter);
  place(languageLabel_, "languageLabel");
  availableLanguages_ = new QComboBox(languageFrame_);
  place(availableLanguages_, "availableLanguages");

  auto* snapshots = new QGroupBox(QString::fromLatin1(kSnapshotsFrame), this);
  place(snapshots, "snapshotsFrame");
  optToFile_ = new QRadioButton(QString::fromLatin1(kToFile), snapshots);
  place(optToFile_, "optToFile");
  snapshotPath_ = new QLineEdit(snapshots);
  snapshotPath_->setReadOnly(true);
  place(snapshotPath_, "snapshotPath");
  snapshotsBrowse_ = new QPushButton(QString::fromLatin1(kBrowse), snapshots);
  snapshotsBrowse_->setAutoDefault(false);
  place(snapshotsBrowse_, "snapshotsBrowse");
  optToClipboard_ = new QRadioButton(QString::fromLatin1(kToClipboard), snapshots);
  place(optToClipboard_, "optToClipboard");
  optToDesktop_ = new QRadioButton(QString::fromLatin1(kToDesktop), snapshots);
  place(optToDesktop_, "optToDesktop");
  cmbWallpaperType_ = new QComboBox(snapshots);
  place(cmbWallpaperType_, "cmbWallpaperType");

  auto* video = new QGroupBox(QString::fromLatin1(kVideoFrame), this);
  place(video, "frameVideo");
  chkOverlay_ = new QCheckBox(QString::fromLatin1(kOverlay), video);
  place(chkOverlay_, "chkOverlay");
  auto* misc = new QGroupBox(QString::fromLatin1(kMiscellaneousFrame), this);
  place(misc, "frameMiscellaneous");
  chkScreenSaver_ = new QCheckBox(QString::fromLatin1(kScreenSaver), misc);
  place(chkScreenSaver_, "chkScreenSaver");
  chkAutoPlay_ = new QCheckBox(QString::fromLatin1(kAutoPlay), misc);
  place(chkAutoPlay_, "chkAutoPlay");

  okButton_ = new QPushButton(this);
  place(okButton_, "OKButton");
  okButton_->setDefault(true);
  cancelButton_ = new QPushButton(this);
  cancelButton_->setAutoDefault(false);
  place(cancelButton_, "CancelButton");

  // What the user does goes to the form; the form decides.
  connect(availableLanguages_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!rendering_) {
      form_.availableLanguagesIndex = index;
    }
  });
  connect(cmbWallpaperType_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!rendering_) {
      form_.cmbWallpaperTypeIndex = index;
    }
  });
  connect(optToFile_, &QRadioButton::clicked, this, [this] { form_.optToFile_Click(); });
  connect(optToClipboard_, &QRadioButton::clicked, this, [this] { form_.optToClipboard_Click(); });
  connect(optToDesktop_, &QRadioButton::clicked, this, [this] { form_.optToDesktop_Click(); });
  auto check = [this](QCheckBox* box, int OptionsDialog::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      if (!rendering_) {
        form_.*field = on ? 1 : 0;
      }
    });
  };
  check(chkOverlay_, &OptionsDialog::chkOverlay);
  check(chkScreenSaver_, &OptionsDialog::chkScreenSaver);
  check(chkAutoPlay_, &OptionsDialog::chkAutoPlay);
  connect(snapshotsBrowse_, &QPushButton::clicked, this, [this] { form_.snapshotsBrowse_Click(); });
  connect(okButton_, &QPushButton::clicked, this, [this] { form_.OKButton_Click(); });
  connect(cancelButton_, &QPushButton::clicked, this, [this] { form_.CancelButton_Click(); });
  Render();
}

void OptionsView::Render() {
  rendering_ = true;
  setWindowTitle(Text(form_.title));
  setEnabled(form_.enabled);
  languageFrame_->setTitle(Text(form_.languageFrameCaption));
  languageLabel_->setText(Text(form_.languageLabelCaption));
  availableLanguages_->clear();
  for (const std::string& name : form_.availableLanguages) {
    availableLanguages_->addItem(Text(name));
  }
  availableLanguages_->setCurrentIndex(form_.availableLanguagesIndex);
  optToFile_->setChecked(form_.optToFile);
  optToClipboard_->setChecked(form_.optToClipboard);
  optToDesktop_->setChecked(form_.optToDesktop);
  snapshotPath_->setText(Text(form_.snapshotPath));
  snapshotPath_->setEnabled(form_.snapshotPathEnabled);
  snapshotsBrowse_->setEnabled(form_.snapshotsBrowseEnabled);
  cmbWallpaperType_->clear();
  for (const std::string& item : form_.cmbWallpaperTypeItems) {
    cmbWallpaperType_->addItem(Text(item));
  }
  cmbWallpaperType_->setCurrentIndex(form_.cmbWallpaperTypeIndex);
  cmbWallpaperType_->setEnabled(form_.cmbWallpaperTypeEnabled);
  chkOverlay_->setChecked(form_.chkOverlay == 1);
  chkScreenSaver_->setChecked(form_.chkScreenSaver == 1);
  chkAutoPlay_->setChecked(form_.chkAutoPlay == 1);
  okButton_->setText(Text(form_.okButtonCaption));
  cancelButton_->setText(Text(form_.cancelButtonCaption));
  rendering_ = false;
}

void OptionsView::reject() {
  form_.CancelButton_Click();
}

void OptionsView::accept() {
  form_.OKButton_Click();
}

// ---- AboutView

AboutView::AboutView(AboutForm& form)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      form_(form) {
  using namespace aboutlayout;
  setFixedSize(mainlayout::Pixels(kWidth), mainlayout::Pixels(kHeight));
  setWindowIcon(ProgramIcon());
  setStyleSheet(QStringLiteral("QDialog, QLabel { background: %1; color: %2; }"
                               "QPushButton { background: %3; color: black; "
                               "border: 1px solid #7a6a7a; border-radius: 2px; }")
                    .arg(Css(kBackground), Css(kText), Css(kButton)));
  QFont labels(QStringLiteral("Arial"));
  labels.setPointSizeF(8.25);
  auto place = [&](QWidget* widget, const char* name) {
    for (const DialogControl& control : kControls) {
      if (std::string_view(control.name) == name) {
        widget->setGeometry(Twips(control.left, control.top, control.width, control.height));
      }
    }
  };
  auto* icon = new QLabel(this);
  icon->setStyleSheet(QStringLiteral("background: black;"));
  icon->setPixmap(ProgramIcon().pixmap(36, 36));
  place(icon, "picIcon");
  title_ = new QLabel(this);
  place(title_, "lblTitle");
  version_ = new QLabel(this);
  place(version_, "lblVersion");
  description_ = new QLabel(this);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  place(description_, "lblDescription");
  for (QLabel* label : {title_, version_, description_}) {
    label->setFont(labels);
  }
  auto link = [&](const char* name, std::function<void()> click) {
    auto* label = new LinkLabel(this, std::move(click));
    label->setFont(labels);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(Css(kLink)));
    place(label, name);
    return label;
  };
  web_ = link("SCLabel1", [this] { form_.SCLabel1_Click(); });
  mail_ = link("SCLabel2", [this] { form_.SCLabel2_Click(); });
  ok_ = new QPushButton(this);
  ok_->setDefault(true);
  place(ok_, "cmdOK");
  connect(ok_, &QPushButton::clicked, this, [this] { form_.cmdOK_Click(); });
  Render();
}

void AboutView::Render() {
  setWindowTitle(Text(form_.caption));
  title_->setText(Text(form_.lblTitle));
  version_->setText(Text(form_.lblVersion));
  description_->setText(Text(form_.lblDescription));
  web_->setText(Text(form_.SCLabel1));
  mail_->setText(Text(form_.SCLabel2));
  ok_->setText(Text(form_.cmdOKCaption));
}

void AboutView::reject() {
  form_.cmdOK_Click();
}

void AboutView::accept() {
  form_.cmdOK_Click();
}

// ---- QtWindows

QtWindows::QtWindows(VideoFrames& frames, QtFullScreen& fullScreen, QtMovie::FailureSink failures)
    : frames_(frames), fullScreen_(fullScreen), failures_(std::move(failures)) {}

std::unique_ptr<Window> QtWindows::CreateSplash() {
  return std::make_unique<QtWindow>(new SplashView(), nullptr, nullptr);
}

std::unique_ptr<MovieWindow> QtWindows::CreateMainWindow(MainForm& form) {
  auto* view = new MainWindowView(form, frames_, fullScreen_, failures_);
  main_ = view;
  mainMade_ = true;
  auto window = std::make_unique<QtWindow>(view, view->movie(), [view] { view->Render(); });
  window->onClosed = [this] { QuitWhenBothGone(); };
  return window;
}

std::unique_ptr<MovieWindow> QtWindows::CreateControlBar(DvdBarForm& form) {
  auto* view = new ControlBarView(form, failures_);
  bar_ = view;
  barMade_ = true;
  auto window = std::make_unique<QtWindow>(view, view->movie(), [view] { view->update(); });
  window->onClosed = [this] { QuitWhenBothGone(); };
  return window;
}

std::unique_ptr<Window> QtWindows::CreateOptionsWindow(OptionsDialog& form) {
  auto* view = new OptionsView(form);
  return std::make_unique<QtWindow>(view, nullptr, [view] { view->Render(); });
}

std::unique_ptr<Window> QtWindows::CreateAboutWindow(AboutForm& form) {
  auto* view = new AboutView(form);
  return std::make_unique<QtWindow>(view, nullptr, [view] { view->Render(); });
}

void QtWindows::QuitWhenBothGone() {
  // The program ends once neither of its two main windows is left.
  QTimer::singleShot(0, &context_, [this] {
    const bool mainGone = mainMade_ && (!main_ || !main_->isVisible());
    const bool barGone = !barMade_ || !bar_ || !bar_->isVisible();
    if (mainGone && barGone) {
      QCoreApplication::quit();
    }
  });
}

void QtWindows::PopupMenu(OptionsDialog& owner, PopupMenuId id) {
  QMenu menu(bar_);
  std::vector<std::function<void()>> commands;
  int chosen = -1;
  auto add = [&](const MenuItem& item, std::function<void()> command, bool literal = false) {
    QAction* action = menu.addAction(literal ? Literal(item.caption) : Text(item.caption));
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
    const int index = static_cast<int>(commands.size());
    QObject::connect(action, &QAction::triggered, &menu, [&chosen, index] { chosen = index; });
    commands.push_back(std::move(command));
  };
  if (id == PopupMenuId::Open) {
    for (size_t i = 0; i < owner.menus.dvdsList.size(); ++i) {
      add(
          owner.menus.dvdsList[i], [&owner, i] { owner.dvdsList_Click(static_cast<int>(i)); },
          true);
    }
  } else {
    add(owner.menus.howToUseMenu, [&owner] { owner.howToUseMenu_Click(); });
    add(owner.menus.checkForUpdatesMenu, [] {});
    menu.addSeparator();
    add(owner.menus.aboutMenu, [&owner] { owner.aboutMenu_Click(); });
  }
  menu.exec(QCursor::pos());
  // The command runs once the menu is gone, as a menu command does.
  if (chosen >= 0) {
    commands[static_cast<size_t>(chosen)]();
  }
}

ScreenSize QtWindows::PrimaryScreen() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {1024, 768};
  }
  const QRect whole = screen->geometry();
  return ScreenSize{whole.width(), whole.height()};
}

}  // namespace tandrel
