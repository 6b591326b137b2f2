// The player on the desktop's session bus, against a private bus daemon: the screen saver through
// a stand-in org.freedesktop.ScreenSaver, and the media controls called over D-Bus from a second
// connection and by playerctl.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

#include "backends/linux/linux_process.h"
#include "backends/qt/qt_dbus.h"
#include "backends/vlc/vlc_engine.h"
#include "components/movie_variables.h"
#include "fakes/program_folder.h"
#include "fakes/started_app.h"

namespace tandrel {
namespace {

const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kRoot = QLatin1String(MprisService::kRootInterface);
const QString kPlayer = QLatin1String(MprisService::kPlayerInterface);
constexpr int64_t kSecond = 1000000;

// Runs the event loop until `done` or the time is up. The services under test answer from this
// very thread, so nothing here may wait without running it.
bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > ms) {
      return false;
    }
    QTest::qWait(5);
  }
  return true;
}

// A session bus of the test's own, with nothing on it but what the test puts there.
class PrivateBus {
 public:
  PrivateBus() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing can be started on demand: no service files where the daemon looks for them.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dir_ / "data"));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QString::fromStdString(dir_ / "share"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    daemon_.setProcessEnvironment(environment);
    daemon_.start(
        QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address"),
         QStringLiteral("--address=unix:dir=") + QString::fromStdString(dir_.path())});
    QElapsedTimer timer;
    timer.start();
    while (!daemon_.canReadLine() && daemon_.state() != QProcess::NotRunning &&
           timer.elapsed() < 10000) {
      daemon_.waitForReadyRead(100);
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    EXPECT_FALSE(address_.isEmpty())
        << "dbus-daemon did not start: " << daemon_.readAllStandardError().toStdString();
  }
  ~PrivateBus() {
    for (const QString& name : names_) {
      QDBusConnection::disconnectFromBus(name);
    }
    daemon_.kill();
    daemon_.waitForFinished();
  }

  const QString& address() const { return address_; }

  QDBusConnection Connect(const QString& role) {
    static int count = 0;
    names_.push_back(role + QString::number(++count));
    return QDBusConnection::connectToBus(address_, names_.back());
  }

 private:
  fakes::TempDir dir_;
  QProcess daemon_;
  QString address_;
  QStringList names_;
};

// The desktop's screen saver as a recording stand-in.
class ScreenSaverStandIn : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

 public:
  std::vector<std::string> calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
  }
  // Each Inhibit takes this long to answer.
  std::atomic<int> delayMs{0};

 public slots:
  uint Inhibit(const QString& application, const QString& reason) {
    QThread::msleep(static_cast<unsigned long>(delayMs.load()));
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back("Inhibit(" + application.toStdString() + "," + reason.toStdString() + ")");
    return nextCookie_++;
  }
  void UnInhibit(uint cookie) {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back("UnInhibit(" + std::to_string(cookie) + ")");
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
  uint nextCookie_ = 41;
};

// The stand-in, registered at `path` on a connection of its own. It answers on a thread of its
// own, since the player waits for its answers on the main thread.
class ScreenSaverService {
 public:
  ScreenSaverService(PrivateBus& bus, const QString& path)
      : connection_(bus.Connect(QStringLiteral("screensaver"))), path_(path) {
    standIn_.moveToThread(&thread_);
    thread_.start();
    connection_.registerObject(path_, &standIn_, QDBusConnection::ExportAllSlots);
    registered_ = connection_.registerService(QLatin1String(DBusScreenSaver::kService));
  }
  ~ScreenSaverService() {
    connection_.unregisterService(QLatin1String(DBusScreenSaver::kService));
    connection_.unregisterObject(path_);
    thread_.quit();
    thread_.wait();
  }

  bool registered() const { return registered_; }
  ScreenSaverStandIn& standIn() { return standIn_; }
  std::vector<std::string> calls() const { return standIn_.calls(); }

 private:
  QDBusConnection connection_;
  QString path_;
  QThread thread_;
  ScreenSaverStandIn standIn_;
  bool registered_ = false;
};

const std::string kInhibit = "Inhibit(Tandrel,Playing a DVD)";

class ScreenSaverAt : public testing::TestWithParam<std::string> {
 protected:
  PrivateBus bus;
};

TEST_P(ScreenSaverAt, InhibitsOnceAndHandsItsCookieBack) {
  ScreenSaverService service(bus, QString::fromStdString(GetParam()));
  ASSERT_TRUE(service.registered());
  {
    DBusScreenSaver saver(bus.Connect(QStringLiteral("player")));
    saver.UnInhibit();  // nothing inhibited yet: nothing to hand back
    saver.Inhibit();
    saver.Inhibit();
    EXPECT_TRUE(saver.IsInhibited());
    saver.UnInhibit();
    saver.UnInhibit();
    EXPECT_FALSE(saver.IsInhibited());
    saver.Inhibit();
    EXPECT_EQ(service.calls(), (std::vector<std::string>{kInhibit, "UnInhibit(41)", kInhibit}));
  }
  // Gone while inhibited: the second cookie goes back too.
  EXPECT_EQ(service.calls(),
            (std::vector<std::string>{kInhibit, "UnInhibit(41)", kInhibit, "UnInhibit(42)"}));
}

INSTANTIATE_TEST_SUITE_P(DesktopPaths, ScreenSaverAt,
                         testing::Values("/org/freedesktop/ScreenSaver", "/ScreenSaver"));

TEST(ScreenSaver, WithoutTheServiceOrTheBusNothingHappensUntilTheServiceComes) {
  PrivateBus bus;
  DBusScreenSaver saver(bus.Connect(QStringLiteral("player")));
  saver.Inhibit();
  EXPECT_FALSE(saver.IsInhibited());
  saver.UnInhibit();

  ScreenSaverService service(bus, kScreenSaverPath);
  saver.Inhibit();
  EXPECT_TRUE(saver.IsInhibited());
  EXPECT_EQ(service.calls(), std::vector<std::string>{kInhibit});

  DBusScreenSaver unconnected(
      QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), "nowhere"));
  unconnected.Inhibit();
  EXPECT_FALSE(unconnected.IsInhibited());
  unconnected.UnInhibit();
  QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

TEST(ScreenSaver, AScreenSaverThatDoesNotAnswerIsNotWaitedForLong) {
  PrivateBus bus;
  ScreenSaverService service(bus, kScreenSaverPath);
  service.standIn().delayMs = DBusScreenSaver::kCallTimeoutMs + 1500;
  DBusScreenSaver saver(bus.Connect(QStringLiteral("player")));
  QElapsedTimer timer;
  timer.start();
  saver.Inhibit();
  EXPECT_LT(timer.elapsed(), DBusScreenSaver::kCallTimeoutMs + 1000);
  EXPECT_FALSE(saver.IsInhibited());
}

class NoFullScreen : public FullScreenControl {
 public:
  void ToggleFullScreen() override {}
};

// Each Inhibit followed by the UnInhibit of its own cookie, the stand-in's cookies counting up
// from 41.
testing::AssertionResult PairedUp(const std::vector<std::string>& calls) {
  for (size_t i = 0; i < calls.size(); ++i) {
    const std::string expected =
        i % 2 == 0 ? kInhibit : "UnInhibit(" + std::to_string(41 + i / 2) + ")";
    if (calls[i] != expected) {
      return testing::AssertionFailure()
             << "call " << i << " is " << calls[i] << ", not " << expected;
    }
  }
  return testing::AssertionSuccess();
}

// The engine's option list decides; the desktop hears of it over the bus. A pause takes effect
// a moment after it is asked for, and the engine follows what it sees, so only the points where
// the disc has settled are checked.
TEST(ScreenSaver, ThePlayingDemoDiscKeepsTheScreenSaverAwayOnlyWhenItsOptionsSaySo) {
  PrivateBus bus;
  ScreenSaverService service(bus, kScreenSaverPath);
  DBusScreenSaver saver(bus.Connect(QStringLiteral("player")));
  NoFullScreen fullScreen;
  VlcEngine engine(saver, fullScreen, VlcEngine::Options{true});
  const std::string disc = "dvd://" + std::string(TANDREL_DEMO_DIR) + "/DVD";

  engine.QueueItem(disc, {"disable-screensaver"}, 2, 0);
  engine.StartPlayback();
  ASSERT_TRUE(WaitUntil([&] { return engine.IsPlaying(); }));
  EXPECT_TRUE(saver.IsInhibited());
  EXPECT_EQ(service.calls(), std::vector<std::string>{kInhibit});

  engine.PausePlayback();
  ASSERT_TRUE(WaitUntil([&] { return !engine.IsPlaying(); }));
  EXPECT_FALSE(saver.IsInhibited());
  std::vector<std::string> calls = service.calls();
  EXPECT_TRUE(PairedUp(calls));
  EXPECT_EQ(calls.size() % 2, 0U);

  engine.StartPlayback();
  ASSERT_TRUE(WaitUntil([&] { return engine.IsPlaying(); }));
  EXPECT_TRUE(saver.IsInhibited());
  engine.StopPlayback();
  EXPECT_FALSE(saver.IsInhibited());
  calls = service.calls();
  EXPECT_TRUE(PairedUp(calls));
  EXPECT_EQ(calls.size() % 2, 0U);
  EXPECT_GE(calls.size(), 4U);

  engine.ClearQueue();
  engine.QueueItem(disc, {"disable-screensaver", "no-disable-screensaver"}, 2, 0);
  engine.StartPlayback();
  ASSERT_TRUE(WaitUntil([&] { return engine.IsPlaying(); }));
  EXPECT_FALSE(saver.IsInhibited());
  engine.StopPlayback();
  EXPECT_EQ(service.calls(), calls);
}

// Catches the signals of the player's object.
class SignalLog : public QObject {
  Q_OBJECT

 public:
  QList<QDBusMessage> messages;
  QList<QDBusMessage> Named(const QString& member) const {
    QList<QDBusMessage> named;
    for (const QDBusMessage& message : messages) {
      if (message.member() == member) {
        named.push_back(message);
      }
    }
    return named;
  }

 public slots:
  void Receive(const QDBusMessage& message) { messages.push_back(message); }
};

// A started player (recording fakes) with its media controls on a private bus, and a client of
// them on a second connection.
class Mpris : public fakes::StartedApp {
 protected:
  Mpris() {
    const std::pair<QString, QString> announcements[] = {
        {kProperties, QStringLiteral("PropertiesChanged")}, {kPlayer, QStringLiteral("Seeked")}};
    for (const auto& [interface, name] : announcements) {
      client.connect(QLatin1String(MprisService::kServiceName),
                     QLatin1String(MprisService::kObjectPath), interface, name, &heard,
                     SLOT(Receive(QDBusMessage)));
    }
    // The match rules are in place once the bus has answered a later request.
    RoundTrip();
  }

  void RoundTrip() {
    Await(client.asyncCall(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"))));
  }
  static QDBusMessage Await(QDBusPendingCall pending) {
    EXPECT_TRUE(WaitUntil([&] { return pending.isFinished(); }));
    return pending.reply();
  }
  QDBusMessage Call(const QString& interface, const QString& method,
                    const QVariantList& args = {}) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(MprisService::kServiceName),
                                       QLatin1String(MprisService::kObjectPath), interface, method);
    call.setArguments(args);
    return Await(client.asyncCall(call));
  }
  QVariant Get(const QString& interface, const QString& name) {
    const QDBusMessage reply = Call(kProperties, QStringLiteral("Get"), {interface, name});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return reply.arguments().value(0).value<QDBusVariant>().variant();
  }
  QVariantMap GetAll(const QString& interface) {
    const QDBusMessage reply = Call(kProperties, QStringLiteral("GetAll"), {interface});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    return qdbus_cast<QVariantMap>(reply.arguments().value(0));
  }
  QVariantMap Metadata() {
    return qdbus_cast<QVariantMap>(Get(kPlayer, QStringLiteral("Metadata")));
  }
  // What the program did to the engine and the clock, without its questions.
  std::vector<std::string> Effects() const {
    static const std::vector<std::string> kQuestions = {
        "engine.IsPlaying",     "engine.PlaybackPosition", "engine.ElapsedSeconds",
        "engine.LengthSeconds", "engine.QueuedItemCount",  "engine.Volume"};
    std::vector<std::string> effects;
    for (const std::string& call : EngineCalls()) {
      if (std::find(kQuestions.begin(), kQuestions.end(), call) == kQuestions.end()) {
        effects.push_back(call);
      }
    }
    return effects;
  }
  void WaitChecks(int count) { QTest::qWait(count * MprisService::kCheckIntervalMs); }
  std::string ErrorLog() { return fakes::ReadFile(programDir / "errorlog.txt"); }
  void Open(double position, bool playing, int length = 0, int elapsed = 0) {
    fake.engine.queued = 1;
    fake.engine.position = position;
    fake.engine.playing = playing;
    fake.engine.length = length;
    fake.engine.elapsed = elapsed;
  }

  PrivateBus bus;
  MprisService service{app, bus.Connect(QStringLiteral("player"))};
  QDBusConnection client = bus.Connect(QStringLiteral("client"));
  SignalLog heard;
};

TEST_F(Mpris, TheTransportRunsThroughTheButtonsGuards) {
  struct Case {
    const char* name;
    const char* method;
    int queued;
    double position;
    bool playing;
    bool loading;
    std::vector<std::string> effects;
  };
  const std::vector<std::string> start = {"engine.StartPlayback", "sleep(500)"};
  const std::vector<std::string> stop = {"engine.StopPlayback", "sleep(500)"};
  const std::vector<std::string> pause = {"engine.PausePlayback"};
  const Case cases[] = {
      {"play starts a queued disc", "Play", 1, -1, false, false, start},
      {"play with nothing queued", "Play", 0, -1, false, false, {}},
      {"play while playing", "Play", 1, 0.2, true, false, {}},
      {"pause while playing", "Pause", 1, 0.2, true, false, pause},
      {"pause with nothing open", "Pause", 1, -1, true, false, {}},
      {"play-pause while playing", "PlayPause", 1, 0.2, true, false, pause},
      {"play-pause while paused", "PlayPause", 1, 0.2, false, false, start},
      {"play-pause with nothing queued", "PlayPause", 0, -1, false, false, {}},
      {"stop while open", "Stop", 1, 0.2, true, false, stop},
      {"stop with nothing open", "Stop", 1, -1, false, false, {}},
      {"stop while the disc is loading", "Stop", 1, 0.2, true, true, {}},
      {"next", "Next", 1, 0.2, true, false, {}},
      {"previous", "Previous", 1, 0.2, true, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.engine.queued = c.queued;
    fake.engine.position = c.position;
    fake.engine.playing = c.playing;
    main().timeElapsed = c.loading ? main().LoadingText() : "";
    fake.log.Clear();
    const QDBusMessage reply = Call(kPlayer, QLatin1String(c.method));
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(Effects(), c.effects);
  }
}

TEST_F(Mpris, SeekingGoesThroughTheScreenMoviesKnobAndIsAnnounced) {
  const QVariant disc = QVariant::fromValue(QDBusObjectPath(MprisService::kDiscTrack));
  const QVariant noTrack = QVariant::fromValue(QDBusObjectPath(MprisService::kNoTrack));
  const auto seek = [](int64_t offset) {
    return std::make_pair(QStringLiteral("Seek"),
                          QVariantList{QVariant::fromValue<qlonglong>(offset)});
  };
  const auto setPosition = [](const QVariant& track, int64_t position) {
    return std::make_pair(QStringLiteral("SetPosition"),
                          QVariantList{track, QVariant::fromValue<qlonglong>(position)});
  };
  struct Case {
    const char* name;
    std::pair<QString, QVariantList> call;
    int length;
    double position;
    double knob;  // below 0: no seek at all
  };
  // 50 s into a disc of 200 s.
  const Case cases[] = {
      {"ahead", seek(10 * kSecond), 200, 0.25, 0.30},
      {"back past the start", seek(-100 * kSecond), 200, 0.25, 0},
      {"to the very end", seek(150 * kSecond), 200, 0.25, 1},
      {"past the end", seek(151 * kSecond), 200, 0.25, -1},
      {"by the most there is", seek(std::numeric_limits<int64_t>::max()), 200, 0.25, -1},
      {"back by the most there is", seek(std::numeric_limits<int64_t>::min()), 200, 0.25, 0},
      {"without a length", seek(10 * kSecond), 0, 0.25, -1},
      {"with nothing open", seek(10 * kSecond), 200, -1, -1},
      {"set on the disc", setPosition(disc, 150 * kSecond), 200, 0.25, 0.75},
      {"set on another track", setPosition(noTrack, 150 * kSecond), 200, 0.25, -1},
      {"set past the end", setPosition(disc, 201 * kSecond), 200, 0.25, -1},
      {"set before the start", setPosition(disc, -1), 200, 0.25, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open(c.position, true, c.length, 50);
    fake.log.Clear();
    heard.messages.clear();
    const QDBusMessage reply = Call(kPlayer, c.call.first, c.call.second);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    RoundTrip();  // any signal is in by now
    const QList<QDBusMessage> seeked = heard.Named(QStringLiteral("Seeked"));
    if (c.knob < 0) {
      EXPECT_EQ(Effects(), std::vector<std::string>{});
      EXPECT_TRUE(seeked.isEmpty());
      continue;
    }
    EXPECT_EQ(Effects(), std::vector<std::string>{"engine.SetPlaybackPosition"});
    EXPECT_NEAR(fake.engine.position, c.knob, 1e-6);
    ASSERT_EQ(seeked.size(), 1);
    EXPECT_EQ(seeked.front().arguments().value(0).toLongLong(),
              static_cast<int64_t>(c.knob * 200 * kSecond));
  }
}

TEST_F(Mpris, SettingTheVolumeMovesTheSliderUnmutesAndUpdatesTheSkin) {
  struct Case {
    double volume;
    int slider;
  };
  for (const Case c : {Case{0.37, 37}, Case{0.126, 13}, Case{1.5, 100}, Case{-0.2, 0}}) {
    SCOPED_TRACE(c.volume);
    main().muteStatus_Click();  // muted, as the mute button leaves it
    ASSERT_EQ(main().muteStatus.caption, "V");
    fake.log.Clear();
    const QDBusMessage reply =
        Call(kProperties, QStringLiteral("Set"),
             {kPlayer, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(c.volume))});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_EQ(main().volumeSlider, c.slider);
    EXPECT_EQ(Effects(),
              (std::vector<std::string>{"engine.ToggleAudioMute",
                                        "engine.SetVolume(" + std::to_string(c.slider) + ")"}));
    EXPECT_EQ(main().muteStatus.caption, "U");
    EXPECT_EQ(skin().variables[movievars::kVolumeText], "Volume " + std::to_string(c.slider));
    EXPECT_DOUBLE_EQ(Get(kPlayer, QStringLiteral("Volume")).toDouble(), c.slider / 100.0);
  }
}

TEST_F(Mpris, PlaybackStatusFollowsTheEngine) {
  struct Case {
    double position;
    bool playing;
    const char* status;
  };
  for (const Case c :
       {Case{-1, false, "Stopped"}, Case{-1, true, "Stopped"}, Case{0.5, true, "Playing"},
        Case{0.5, false, "Paused"}, Case{0, false, "Paused"}}) {
    SCOPED_TRACE(std::to_string(c.position) + (c.playing ? " playing" : ""));
    fake.engine.position = c.position;
    fake.engine.playing = c.playing;
    EXPECT_EQ(Get(kPlayer, QStringLiteral("PlaybackStatus")).toString(), QLatin1String(c.status));
  }
}

TEST_F(Mpris, MetadataNamesTheDiscChosenFromTheDriveMenu) {
  QVariantMap metadata = Metadata();
  EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Tandrel"));
  EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QLatin1String(MprisService::kNoTrack));
  EXPECT_FALSE(metadata.contains(QStringLiteral("mpris:length")));

  fake.drives.drives = {{"E:", DriveQuery::kDriveCdRom, "HOLIDAY_2009"}};
  app.optionsDialog().fileMenu_Click();
  app.optionsDialog().dvdsList_Click(0);
  Open(0.1, true, 5400);
  metadata = Metadata();
  EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(),
            QStringLiteral("HOLIDAY_2009"));
  EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QLatin1String(MprisService::kDiscTrack));
  const QVariant length = metadata.value(QStringLiteral("mpris:length"));
  EXPECT_EQ(length.metaType(), QMetaType::fromType<qlonglong>());
  EXPECT_EQ(length.toLongLong(), 5400 * kSecond);
}

TEST_F(Mpris, AChangeIsAnnouncedOnceAndOnlyWhatChanged) {
  WaitChecks(4);
  EXPECT_TRUE(heard.messages.isEmpty()) << "nothing changed since the player came up";

  Open(0.1, true, 300, 12);
  ASSERT_TRUE(WaitUntil([&] { return !heard.messages.isEmpty(); }));
  WaitChecks(4);
  ASSERT_EQ(heard.messages.size(), 1);
  const QDBusMessage changed = heard.messages.front();
  EXPECT_EQ(changed.member(), QStringLiteral("PropertiesChanged"));
  EXPECT_EQ(changed.arguments().value(0).toString(), kPlayer);
  QVariantMap values = qdbus_cast<QVariantMap>(changed.arguments().value(1));
  EXPECT_EQ(values.keys(),
            (QStringList{QStringLiteral("Metadata"), QStringLiteral("PlaybackStatus")}));
  EXPECT_EQ(values.value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));

  // The skin's own volume button is heard of too.
  heard.messages.clear();
  bar().gui_FSCommand("vol+", "");
  ASSERT_TRUE(WaitUntil([&] { return !heard.messages.isEmpty(); }));
  WaitChecks(4);
  ASSERT_EQ(heard.messages.size(), 1);
  values = qdbus_cast<QVariantMap>(heard.messages.front().arguments().value(1));
  EXPECT_EQ(values.keys(), QStringList{QStringLiteral("Volume")});
  EXPECT_DOUBLE_EQ(values.value(QStringLiteral("Volume")).toDouble(), 0.51);
}

TEST_F(Mpris, RaiseBringsBackTheMinimizedPlayer) {
  bar().gui_FSCommand("minimize", "");
  ASSERT_FALSE(fake.windows["main"].visible);
  const QDBusMessage reply = Call(kRoot, QStringLiteral("Raise"));
  EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(fake.windows["bar"].state, WindowState::Normal);
  EXPECT_TRUE(fake.windows["bar"].visible);
  EXPECT_TRUE(fake.windows["main"].visible);
}

// The fake process ends the program by unwinding, which must stop short of the event loop.
TEST_F(Mpris, QuitIsAnsweredThenRunsTheExitCommand) {
  const QDBusMessage reply = Call(kRoot, QStringLiteral("Quit"));
  EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
  ASSERT_TRUE(WaitUntil([&] { return fake.process.endedWith.has_value(); }));
  EXPECT_EQ(fake.process.endedWith, 0);
  EXPECT_TRUE(fake.windows["bar"].closed);
  EXPECT_LT(fake.log.IndexOf("bar.Close"), fake.log.IndexOf("process.End(0)"));
  EXPECT_EQ(ErrorLog(), "");
  EXPECT_EQ(Get(kRoot, QStringLiteral("Identity")).toString(), QStringLiteral("Tandrel"));
}

constexpr const char* kQuitChild = "--quit-child";

// The player in a process of its own with the real process port, serving on the bus at
// `address` until Quit ends it. Its files go to `folder`, which the test removes: the process
// ends without running a destructor.
int RunQuitChild(const QString& address, const std::string& folder) {
  fakes::LayOutProgramFolder(folder, "[Language Pack]\r\n");
  fakes::WriteFile(folder + "/Config.cfg",
                   "English.ini\r\n" + folder + "\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
  fakes::FakePlatform fake;
  fake.environment.programFolder = folder;
  fake.environment.variables["TEMP"] = folder;
  fake.windows.screenMovie.answers = {{"_width", "457"}, {"_height", "378"}};
  LinuxProcess process;
  Platform platform{fake.engine,   fake.windows, fake.messages,    fake.clock,   fake.locale,
                    fake.instance, process,      fake.environment, fake.desktop, fake.timers,
                    fake.hooks,    fake.drives,  fake.tray,        fake.disk,    fake.pictures,
                    fake.pictures, fake.shell,   fake.shell,       fake.shell};
  Application app(platform);
  app.Start();
  MprisService service(app, QDBusConnection::connectToBus(address, QStringLiteral("player")));
  if (!service.IsRegistered()) {
    return 3;
  }
  QCoreApplication::exec();
  return 4;  // the event loop ended without the Exit command
}

// For real the Exit command ends the process at once: the caller still has its answer.
TEST(MprisQuit, TheRealExitEndsTheProcessAfterAnsweringQuit) {
  PrivateBus bus;
  fakes::TempDir folder;
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QLatin1String(kQuitChild), bus.address(), QString::fromStdString(folder.path())});
  QDBusConnection client = bus.Connect(QStringLiteral("client"));
  const QString name = QLatin1String(MprisService::kServiceName);
  ASSERT_TRUE(WaitUntil([&] { return client.interface()->isServiceRegistered(name).value(); }));

  QDBusPendingCall quit = client.asyncCall(QDBusMessage::createMethodCall(
      name, QLatin1String(MprisService::kObjectPath), kRoot, QStringLiteral("Quit")));
  ASSERT_TRUE(WaitUntil([&] { return quit.isFinished(); }));
  EXPECT_FALSE(quit.isError()) << quit.error().name().toStdString();
  ASSERT_TRUE(WaitUntil([&] { return child.state() == QProcess::NotRunning; }));
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0);
  if (child.state() != QProcess::NotRunning) {
    child.kill();
    child.waitForFinished();
  }
}

TEST_F(Mpris, AFailingOperationIsAnErrorReplyAndAnErrorLogEntry) {
  fake.engine.queued = 1;
  fake.engine.failOn = "StartPlayback";
  QDBusMessage reply = Call(kPlayer, QStringLiteral("Play"));
  ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
  EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.Failed"));
  EXPECT_EQ(reply.errorMessage(), QStringLiteral("engine refused StartPlayback"));
  EXPECT_NE(ErrorLog().find("\"Error Description: engine refused StartPlayback, Error Number: 51, "
                            "Method: MPRIS\""),
            std::string::npos)
      << ErrorLog();

  // The checks for changes fail quietly with the engine; only the request is logged.
  fake.engine.failOn = "PlaybackPosition";
  reply = Call(kProperties, QStringLiteral("Get"), {kPlayer, QStringLiteral("PlaybackStatus")});
  EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
  WaitChecks(4);
  const std::string log = ErrorLog();
  size_t entries = 0;
  for (size_t at = log.find("Method: MPRIS"); at != std::string::npos;
       at = log.find("Method: MPRIS", at + 1)) {
    ++entries;
  }
  EXPECT_EQ(entries, 2U) << log;

  fake.engine.failOn.clear();
  EXPECT_EQ(Get(kPlayer, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
}

TEST_F(Mpris, ItDescribesItselfWithTheRightTypes) {
  const QVariantMap root = GetAll(kRoot);
  EXPECT_EQ(root.value(QStringLiteral("Identity")), QVariant(QStringLiteral("Tandrel")));
  EXPECT_EQ(root.value(QStringLiteral("DesktopEntry")), QVariant(QStringLiteral("tandrel")));
  EXPECT_EQ(root.value(QStringLiteral("CanQuit")), QVariant(true));
  EXPECT_EQ(root.value(QStringLiteral("CanRaise")), QVariant(true));
  EXPECT_EQ(root.value(QStringLiteral("HasTrackList")), QVariant(false));
  EXPECT_EQ(root.value(QStringLiteral("SupportedUriSchemes")).metaType(),
            QMetaType::fromType<QStringList>());
  EXPECT_EQ(root.value(QStringLiteral("SupportedMimeTypes")).metaType(),
            QMetaType::fromType<QStringList>());

  Open(0.5, true, 100, 42);
  const QVariantMap player = GetAll(kPlayer);
  EXPECT_EQ(player.value(QStringLiteral("PlaybackStatus")), QVariant(QStringLiteral("Playing")));
  EXPECT_EQ(player.value(QStringLiteral("Position")), QVariant::fromValue<qlonglong>(42 * kSecond));
  EXPECT_EQ(player.value(QStringLiteral("Volume")), QVariant(0.5));
  for (const char* rate : {"Rate", "MinimumRate", "MaximumRate"}) {
    EXPECT_EQ(player.value(QLatin1String(rate)), QVariant(1.0)) << rate;
  }
  for (const char* can : {"CanPlay", "CanPause", "CanSeek", "CanControl"}) {
    EXPECT_EQ(player.value(QLatin1String(can)), QVariant(true)) << can;
  }
  EXPECT_EQ(player.value(QStringLiteral("CanGoNext")), QVariant(false));
  EXPECT_EQ(player.value(QStringLiteral("CanGoPrevious")), QVariant(false));
  EXPECT_EQ(player.value(QStringLiteral("Metadata")).metaType(),
            QMetaType::fromType<QDBusArgument>());

  const QDBusMessage xml =
      Call(QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
  const QString text = xml.arguments().value(0).toString();
  EXPECT_TRUE(text.contains(QStringLiteral("<interface name=\"org.mpris.MediaPlayer2\">")));
  EXPECT_TRUE(text.contains(QStringLiteral("<interface name=\"org.mpris.MediaPlayer2.Player\">")));
}

TEST_F(Mpris, RequestsItCannotTakeAreRefused) {
  struct Case {
    const char* name;
    QString interface;
    QString method;
    QVariantList args;
    const char* error;
  };
  const auto variant = [](const QVariant& value) {
    return QVariant::fromValue(QDBusVariant(value));
  };
  const Case cases[] = {
      {"a read-only property",
       kProperties,
       "Set",
       {kRoot, QStringLiteral("Identity"), variant(QStringLiteral("Other"))},
       "PropertyReadOnly"},
      {"a volume that is no double",
       kProperties,
       "Set",
       {kPlayer, QStringLiteral("Volume"), variant(1)},
       "InvalidArgs"},
      {"an unknown property",
       kProperties,
       "Get",
       {kPlayer, QStringLiteral("Shuffle")},
       "UnknownProperty"},
      {"an unknown interface",
       kProperties,
       "GetAll",
       {QStringLiteral("org.example.None")},
       "UnknownInterface"},
      {"a URI to open",
       kPlayer,
       "OpenUri",
       {QStringLiteral("file:///home/ann/film.iso")},
       "NotSupported"},
      {"a seek by text", kPlayer, "Seek", {QStringLiteral("ten")}, "InvalidArgs"},
      {"an unknown method", kPlayer, "Rewind", {}, "UnknownMethod"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake.log.Clear();
    const QDBusMessage reply = Call(c.interface, c.method, c.args);
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.") + c.error);
    EXPECT_EQ(Effects(), std::vector<std::string>{});
  }
  EXPECT_EQ(main().volumeSlider, 50);
  EXPECT_EQ(ErrorLog(), "");
}

TEST_F(Mpris, ASecondPlayerOrOneWithoutABusStaysOutOfTheWay) {
  ASSERT_TRUE(service.IsRegistered());
  {
    MprisService second(app, bus.Connect(QStringLiteral("second")));
    EXPECT_FALSE(second.IsRegistered());
    MprisService unconnected(app, QDBusConnection::connectToBus(
                                      QStringLiteral("unix:path=/nonexistent/bus"), "nowhere"));
    EXPECT_FALSE(unconnected.IsRegistered());
  }
  QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
  EXPECT_EQ(Get(kRoot, QStringLiteral("Identity")).toString(), QStringLiteral("Tandrel"));
}

// A real client of the desktop's media controls.
TEST_F(Mpris, PlayerctlSeesAndDrivesThePlayer) {
  const QString playerctl = QStandardPaths::findExecutable(QStringLiteral("playerctl"));
  if (playerctl.isEmpty()) {
    GTEST_SKIP() << "playerctl is not installed (scripts/install-deps installs it)";
  }
  const auto run = [&](const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    process.setProcessEnvironment(environment);
    process.start(playerctl, QStringList{QStringLiteral("--player=tandrel")} + args);
    EXPECT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  };

  EXPECT_EQ(run({QStringLiteral("status")}), QStringLiteral("Stopped"));
  fake.engine.queued = 1;
  fake.log.Clear();
  run({QStringLiteral("play-pause")});
  EXPECT_EQ(Effects(), (std::vector<std::string>{"engine.StartPlayback", "sleep(500)"}));
  Open(0.2, true, 600);
  EXPECT_EQ(run({QStringLiteral("status")}), QStringLiteral("Playing"));
  EXPECT_EQ(run({QStringLiteral("metadata"), QStringLiteral("title")}), QStringLiteral("Tandrel"));
}

}  // namespace
}  // namespace tandrel

int main(int argc, char** argv) {
  QCoreApplication qt(argc, argv);
  if (argc == 4 && std::string(argv[1]) == tandrel::kQuitChild) {
    return tandrel::RunQuitChild(QString::fromLocal8Bit(argv[2]), argv[3]);
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "dbus_e2e_test.moc"
