// The whole player with its real windows (Qt's offscreen platform), real movies and the real
// engine on the demo disc. Screenshots of what the user sees go to the build tree.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "app/application.h"
#include "backends/linux/linux_disk_space.h"
#include "backends/linux/linux_drives.h"
#include "backends/linux/linux_instance_guard.h"
#include "backends/linux/system_clock.h"
#include "backends/qt/qt_services.h"
#include "backends/qt/qt_views.h"
#include "backends/vlc/vlc_engine.h"
#include "components/movie_variables.h"
#include "fakes/fake_platform.h"
#include "fakes/temp_dir.h"

namespace tandrel {
namespace {

namespace fs = std::filesystem;
const std::string kDemoDisc = std::string(TANDREL_DEMO_DIR) + "/DVD";
const std::string kShots = TANDREL_SCREENSHOT_DIR;

// Catches what the desktop's opener is asked to open.
class OpenedUrls : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.push_back(url); }
};

class NoScreenSaver : public ScreenSaver {
 public:
  void Inhibit() override {}
  void UnInhibit() override {}
};

// Waits for the event loop, with everything it does, until `done` or the time is up.
bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    if (done()) {
      return true;
    }
    QTest::qWait(20);
  }
  return done();
}

// Acts on the next modal window that comes up, from within its own event loop.
void WhenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      modal = QApplication::activePopupWidget();
    }
    if (modal != nullptr && modal->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    }
  });
  poll->start(20);
}

class Frontend : public testing::Test {
 protected:
  Frontend() {
    fs::copy(std::string(TANDREL_APP_DIR) + "/Resources", programDir / "Resources",
             fs::copy_options::recursive);
    fs::copy(std::string(TANDREL_APP_DIR) + "/Lang", programDir / "Lang",
             fs::copy_options::recursive);
    fs::copy_file(std::string(TANDREL_APP_DIR) + "/English.html", programDir / "English.html");
    fs::create_directories(desktopDir.path());
    fake.environment.programFolder = programDir.path();
    fake.environment.variables["TEMP"] = tempDir.path();
    fake.desktop.desktop = desktopDir.path();
    fake.desktop.wallpaperFolder = tempDir.path();
    fs::create_directories(kShots);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
  }
  ~Frontend() override {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    engine.StopPlayback();
  }

  void Start(bool withConfig = true) {
    if (withConfig) {
      fakes::WriteFile(programDir / "Config.cfg", "English.ini\r\n" + desktopDir.path() +
                                                      "\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    }
    app.Start();
  }

  QWidget* Bar() { return windows.controlBar(); }
  QWidget* Main() { return windows.mainWindow(); }
  QtMovie* Skin() { return Bar()->findChild<QtMovie*>(); }
  QtMovie* Screen() { return Main()->findChild<QtMovie*>(); }
  QString SkinText(const char* name) {
    QObject* item = Skin()->movieRoot()->findChild<QObject*>(QString::fromLatin1(name));
    return item == nullptr ? QStringLiteral("<missing>") : item->property("text").toString();
  }
  // Clicks the skin's button for `command` where the user would.
  void Click(const QString& command, Qt::MouseButton button = Qt::LeftButton) {
    auto* item = Skin()->movieRoot()->findChild<QQuickItem*>(QStringLiteral("button_") + command);
    ASSERT_NE(item, nullptr) << command.toStdString();
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(Skin(), button, Qt::NoModifier, centre.toPoint());
  }
  void Shot(QWidget* widget, const std::string& name) {
    widget->grab().save(QString::fromStdString(kShots + "/" + name));
  }
  void OpenDemoDisc() {
    // Through the drive menu, as the user does it.
    WhenModal([](QWidget* popup) {
      auto* menu = qobject_cast<QMenu*>(popup);
      ASSERT_NE(menu, nullptr);
      ASSERT_FALSE(menu->actions().isEmpty());
      menu->actions().front()->trigger();
      menu->close();
    });
    Click(QStringLiteral("drivers"));
    ASSERT_TRUE(WaitUntil([&] { return app.mainForm().playButton.enabled; }));
  }

  // Last to go: the windows that closed are released, as the event loop would release them.
  struct ReleaseClosedWindows {
    ~ReleaseClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  } release;
  fakes::TempDir programDir;
  fakes::TempDir tempDir;
  fakes::TempDir desktopDir;
  fakes::TempDir empty;
  OpenedUrls opened;
  NoScreenSaver screenSaver;
  QtFullScreen fullScreen;
  VlcEngine engine{screenSaver, fullScreen, VlcEngine::Options{true}};
  QtWindows windows{engine, fullScreen, [](const std::exception&) {}};
  QtMessageBoxes messages;
  SystemClock clock;
  QtTimers timers;
  QtWindowHooks hooks;
  LinuxDriveQuery drives{{kDemoDisc}, empty.path(), "/dev"};
  LinuxDiskSpace disk;
  QtPictures pictures;
  QtShellOpener opener;
  fakes::FakePlatform fake;
  Platform platform{engine,        windows,      messages,         clock,        fake.locale,
                    fake.instance, fake.process, fake.environment, fake.desktop, timers,
                    hooks,         drives,       fake.tray,        disk,         pictures,
                    pictures,      opener,       fake.shell,       fake.shell};
  Application app{platform};
};

TEST_F(Frontend, AFirstStartSaysSoWritesTheFileAndPlacesTheWindows) {
  QString said;
  WhenModal([&said](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    said = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  Start(false);
  EXPECT_EQ(
      said,
      QStringLiteral("No configuration file was found.\nA new one was created with the defaults."));
  EXPECT_TRUE(fakes::Exists(programDir / "Config.cfg"));
  ASSERT_TRUE(WaitUntil([&] { return Bar()->isVisible() && Main()->isVisible(); }));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(Bar()->geometry(),
            QRect((screen.width() - 618) / 2, screen.height() - 265 - 30, 618, 265));
  EXPECT_EQ(Main()->geometry().size(), QSize(457, 378));
  EXPECT_EQ(Main()->geometry().bottom() + 1, Bar()->geometry().top());
  EXPECT_EQ(SkinText("volumeText1"), QStringLiteral("Volume 50"));
  EXPECT_EQ(Bar()->windowTitle(), QStringLiteral("Tandrel"));
  Shot(Bar(), "control-bar.png");
}

TEST_F(Frontend, TheSkinsButtonsDriveThePlayer) {
  Start();
  ASSERT_TRUE(WaitUntil([&] { return Bar()->isVisible(); }));
  Click(QStringLiteral("vol+"));
  EXPECT_EQ(engine.Volume(), 51);
  EXPECT_EQ(SkinText("volumeText1"), QStringLiteral("Volume 51"));

  Click(QStringLiteral("minimize"));
  EXPECT_FALSE(Main()->isVisible());
  Bar()->showNormal();
  ASSERT_TRUE(WaitUntil([&] { return Main()->isVisible(); }));

  OpenDemoDisc();
  // Into the film from the disc's own menu.
  ASSERT_TRUE(WaitUntil(
      [&] {
        Click(QStringLiteral("enter"));
        return engine.LengthSeconds() >= 19;
      },
      15000));
  ASSERT_TRUE(WaitUntil([&] { return engine.ElapsedSeconds() >= 2; }));
  const QString time = SkinText("timeElapsed1");
  const QString knob = Screen()->movieRoot()->property("knobPosition").toString();
  ASSERT_TRUE(WaitUntil([&] { return SkinText("timeElapsed1") != time; }));
  EXPECT_TRUE(SkinText("timeElapsed1").endsWith(QStringLiteral("/00:00:20")));
  EXPECT_NE(Screen()->movieRoot()->property("knobPosition").toString(), knob);
  Shot(Main(), "main-window-playing.png");
  Shot(Bar(), "control-bar-playing.png");
}

TEST_F(Frontend, TheRightButtonNeverReachesAMovie) {
  Start();
  ASSERT_TRUE(WaitUntil([&] { return Bar()->isVisible(); }));
  struct Spy : QObject {
    int rightPresses = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseButtonPress &&
          static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        ++rightPresses;
      }
      return false;
    }
  };
  for (QtMovie* movie : {Skin(), Screen()}) {
    Spy spy;
    movie->quickWindow()->installEventFilter(&spy);
    QTest::mousePress(movie, Qt::RightButton, Qt::NoModifier, QPoint(300, 100));
    QTest::mouseRelease(movie, Qt::RightButton, Qt::NoModifier, QPoint(300, 100));
    QTest::mousePress(movie, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(movie, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(spy.rightPresses, 0);
    movie->quickWindow()->removeEventFilter(&spy);
  }
  // Once unhooked the movie hears it again.
  app.mainForm().StopHook();
  Spy spy;
  Screen()->quickWindow()->installEventFilter(&spy);
  QTest::mousePress(Screen(), Qt::RightButton, Qt::NoModifier, QPoint(300, 100));
  EXPECT_EQ(spy.rightPresses, 1);
  Screen()->quickWindow()->removeEventFilter(&spy);
}

TEST_F(Frontend, ASnapshotForTheClipboardLandsThere) {
  fakes::WriteFile(programDir / "Config.cfg", "English.ini\r\n" + desktopDir.path() +
                                                  "\r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
  app.Start();
  QGuiApplication::clipboard()->clear();
  OpenDemoDisc();
  ASSERT_TRUE(WaitUntil([&] { return engine.LatestFrame() != nullptr; }));
  Click(QStringLiteral("snapshot"));
  const QImage image = QGuiApplication::clipboard()->image();
  EXPECT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 720);
}

TEST_F(Frontend, TheOptionsDialogsOkRewritesTheFile) {
  Start();
  ASSERT_TRUE(WaitUntil([&] { return Bar()->isVisible(); }));
  bool shown = false;
  WhenModal([&](QWidget* modal) {
    shown = true;
    Shot(modal, "options-dialog.png");
    auto* dialog = qobject_cast<QDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
      if (button->isDefault()) {
        // Screen saver on, then OK.
        for (QAbstractButton* box : dialog->findChildren<QAbstractButton*>()) {
          if (box->text() == QStringLiteral("Disable screen saver")) {
            box->click();
          }
        }
        button->click();
      }
    }
  });
  Click(QStringLiteral("options"));
  EXPECT_TRUE(shown);
  EXPECT_EQ(fakes::ReadFile(programDir / "Config.cfg"),
            "English.ini\r\n" + desktopDir.path() + "\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(Frontend, HelpOpensTheHelpPageAndAboutShowsItself) {
  Start();
  ASSERT_TRUE(WaitUntil([&] { return Bar()->isVisible(); }));
  app.optionsDialog().howToUseMenu_Click();
  ASSERT_EQ(opened.urls.size(), 1);
  EXPECT_EQ(opened.urls.front().toLocalFile().toStdString(), programDir / "English.html");

  WhenModal([&](QWidget* modal) {
    Shot(modal, "about-box.png");
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  app.optionsDialog().aboutMenu_Click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tandrel

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QUICK_BACKEND", "software");
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "frontend_e2e_test.moc"
