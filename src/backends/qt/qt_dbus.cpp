#include "backends/qt/qt_dbus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "app/application.h"
#include "components/movie_variables.h"
#include "lang/language_reader.h"

namespace tandrel {
namespace {

// The screen saver answers at one of these paths, depending on the desktop.
constexpr const char* kScreenSaverPaths[] = {"/org/freedesktop/ScreenSaver", "/ScreenSaver"};
constexpr const char* kScreenSaverInterface = "org.freedesktop.ScreenSaver";

constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";
constexpr const char* kIntrospectableInterface = "org.freedesktop.DBus.Introspectable";
constexpr const char* kPeerInterface = "org.freedesktop.DBus.Peer";
constexpr const char* kFailureMethod = "MPRIS";
constexpr int64_t kMicroseconds = 1000000;

bool AtAnotherPath(const QDBusMessage& reply) {
  static const QStringList kMissingHere = {
      QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
      QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
      QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface")};
  return kMissingHere.contains(reply.errorName());
}

const char* const kRootProperties[] = {"CanQuit",           "CanRaise",     "HasTrackList",
                                       "Identity",          "DesktopEntry", "SupportedUriSchemes",
                                       "SupportedMimeTypes"};
const char* const kPlayerProperties[] = {
    "PlaybackStatus", "Rate",        "Metadata",  "Volume",        "Position",
    "MinimumRate",    "MaximumRate", "CanGoNext", "CanGoPrevious", "CanPlay",
    "CanPause",       "CanSeek",     "CanControl"};

constexpr const char* kIntrospection = R"(  <interface name="org.mpris.MediaPlayer2">
    <method name="Raise"/>
    <method name="Quit"/>
    <property name="CanQuit" type="b" access="read"/>
    <property name="CanRaise" type="b" access="read"/>
    <property name="HasTrackList" type="b" access="read"/>
    <property name="Identity" type="s" access="read"/>
    <property name="DesktopEntry" type="s" access="read"/>
    <property name="SupportedUriSchemes" type="as" access="read"/>
    <property name="SupportedMimeTypes" type="as" access="read"/>
  </interface>
  <interface name="org.mpris.MediaPlayer2.Player">
    <method name="Next"/>
    <method name="Previous"/>
    <method name="Pause"/>
    <method name="PlayPause"/>
    <method name="Stop"/>
    <method name="Play"/>
    <method name="Seek">
      <arg name="Offset" type="x" direction="in"/>
    </method>
    <method name="SetPosition">
      <arg name="TrackId" type="o" direction="in"/>
      <arg name="Position" type="x" direction="in"/>
    </method>
    <method name="OpenUri">
      <arg name="Uri" type="s" direction="in"/>
    </method>
    <signal name="Seeked">
      <arg name="Position" type="x"/>
    </signal>
    <property name="PlaybackStatus" type="s" access="read"/>
    <property name="Rate" type="d" access="readwrite"/>
    <property name="Metadata" type="a{sv}" access="read">
      <annotation name="org.qtproject.QtDBus.QtTypeName" value="QVariantMap"/>
    </property>
    <property name="Volume" type="d" access="readwrite"/>
    <property name="Position" type="x" access="read">
      <annotation name="org.freedesktop.DBus.Property.EmitsChangedSignal" value="false"/>
    </property>
    <property name="MinimumRate" type="d" access="read"/>
    <property name="MaximumRate" type="d" access="read"/>
    <property name="CanGoNext" type="b" access="read"/>
    <property name="CanGoPrevious" type="b" access="read"/>
    <property name="CanPlay" type="b" access="read"/>
    <property name="CanPause" type="b" access="read"/>
    <property name="CanSeek" type="b" access="read"/>
    <property name="CanControl" type="b" access="read">
      <annotation name="org.freedesktop.DBus.Property.EmitsChangedSignal" value="const"/>
    </property>
  </interface>
)";

bool Contains(const char* const* begin, const char* const* end, const QString& name) {
  return std::any_of(begin, end,
                     [&name](const char* entry) { return name == QLatin1String(entry); });
}

template <size_t N>
bool Contains(const char* const (&names)[N], const QString& name) {
  return Contains(names, names + N, name);
}

// The interface a call means; one without an interface name is known by its method's name, as
// no two interfaces here share one.
QString InterfaceOf(const QDBusMessage& message) {
  if (!message.interface().isEmpty()) {
    return message.interface();
  }
  static const QStringList kRootMethods = {QStringLiteral("Raise"), QStringLiteral("Quit")};
  static const QStringList kPropertyMethods = {QStringLiteral("Get"), QStringLiteral("GetAll"),
                                               QStringLiteral("Set")};
  static const QStringList kPeerMethods = {QStringLiteral("Ping"), QStringLiteral("GetMachineId")};
  const QString member = message.member();
  if (kRootMethods.contains(member)) {
    return QLatin1String(MprisService::kRootInterface);
  }
  if (kPropertyMethods.contains(member)) {
    return QLatin1String(kPropertiesInterface);
  }
  if (member == QLatin1String("Introspect")) {
    return QLatin1String(kIntrospectableInterface);
  }
  if (kPeerMethods.contains(member)) {
    return QLatin1String(kPeerInterface);
  }
  return QLatin1String(MprisService::kPlayerInterface);
}

// The knob's 0 to 100 as the screen movie sends it: with a point, never an exponent.
std::string KnobPercent(double percent) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 6);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

// ---- DBusScreenSaver

DBusScreenSaver::DBusScreenSaver(QDBusConnection bus) : bus_(std::move(bus)) {}

DBusScreenSaver::~DBusScreenSaver() {
  UnInhibit();
}

void DBusScreenSaver::Inhibit() {
  if (cookie_ || !bus_.isConnected()) {
    return;
  }
  for (const char* path : kScreenSaverPaths) {
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(path),
                                                       QLatin1String(kScreenSaverInterface),
                                                       QStringLiteral("Inhibit"));
    call << QString::fromLatin1(kApplicationName) << QString::fromLatin1(kReason);
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1 &&
        reply.arguments().front().metaType() == QMetaType::fromType<uint>()) {
      cookie_ = reply.arguments().front().toUInt();
      path_ = QLatin1String(path);
      return;
    }
    // No such service, or no answer: the other path would fare no better.
    if (!AtAnotherPath(reply)) {
      return;
    }
  }
}

void DBusScreenSaver::UnInhibit() {
  if (!cookie_) {
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kService), path_,
                                                     QLatin1String(kScreenSaverInterface),
                                                     QStringLiteral("UnInhibit"));
  call << static_cast<uint>(*cookie_);
  cookie_.reset();
  // Waited for, so that the release has left before a player that is ending goes.
  bus_.call(call, QDBus::Block, kCallTimeoutMs);
}

// ---- MprisService

MprisService::MprisService(Application& app, QDBusConnection bus)
    : app_(app), bus_(std::move(bus)) {
  if (!bus_.isConnected()) {
    return;
  }
  // The object first, so that whoever sees the name appear finds the player behind it.
  if (!bus_.registerVirtualObject(QLatin1String(kObjectPath), this)) {
    return;
  }
  if (!bus_.registerService(QLatin1String(kServiceName))) {
    bus_.unregisterObject(QLatin1String(kObjectPath));
    return;
  }
  registered_ = true;
  try {
    sent_ = Read();
  } catch (const std::exception&) {
    // The first check publishes whatever the player shows by then.
  }
  checkTimer_.setInterval(kCheckIntervalMs);
  QObject::connect(&checkTimer_, &QTimer::timeout, this, [this] { CheckChanges(); });
  checkTimer_.start();
}

MprisService::~MprisService() {
  checkTimer_.stop();
  if (registered_) {
    bus_.unregisterService(QLatin1String(kServiceName));
    bus_.unregisterObject(QLatin1String(kObjectPath));
  }
}

QString MprisService::introspect(const QString&) const {
  return QLatin1String(kIntrospection);
}

bool MprisService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
  const QString interface = InterfaceOf(message);
  if (interface == QLatin1String(kIntrospectableInterface) ||
      interface == QLatin1String(kPeerInterface)) {
    return false;  // Qt answers these, the description from introspect()
  }
  QDBusMessage reply;
  try {
    reply = Dispatch(message);
  } catch (const std::exception& failure) {
    app_.lang().WriteErrorLog(DescribeFailure(failure, kFailureMethod));
    reply = message.createErrorReply(QDBusError::Failed, QString::fromStdString(failure.what()));
  } catch (...) {
    const std::runtime_error unknown("The request failed for an unknown reason");
    app_.lang().WriteErrorLog(DescribeFailure(unknown, kFailureMethod));
    reply = message.createErrorReply(QDBusError::Failed, QString::fromLatin1(unknown.what()));
  }
  if (message.isReplyRequired()) {
    connection.send(reply);
  }
  return true;
}

QDBusMessage MprisService::Dispatch(const QDBusMessage& message) {
  const QString interface = InterfaceOf(message);
  if (interface == QLatin1String(kPropertiesInterface)) {
    return CallProperties(message);
  }
  if (interface == QLatin1String(kRootInterface)) {
    return CallRoot(message);
  }
  if (interface == QLatin1String(kPlayerInterface)) {
    return CallPlayer(message);
  }
  return message.createErrorReply(QDBusError::UnknownInterface,
                                  QStringLiteral("No interface %1 here").arg(interface));
}

QDBusMessage MprisService::CallRoot(const QDBusMessage& message) {
  const QString member = message.member();
  if (!message.signature().isEmpty()) {
    return message.createErrorReply(QDBusError::InvalidArgs, member + " takes no arguments");
  }
  if (member == QLatin1String("Raise")) {
    Raise();
  } else if (member == QLatin1String("Quit")) {
    // Answered first: the Exit command ends the process without returning.
    QTimer::singleShot(0, this, [this] { Exit(); });
  } else {
    return message.createErrorReply(QDBusError::UnknownMethod,
                                    QStringLiteral("No method %1 here").arg(member));
  }
  return message.createReply();
}

QDBusMessage MprisService::CallPlayer(const QDBusMessage& message) {
  const QString member = message.member();
  const QString signature = message.signature();
  const QList<QVariant> args = message.arguments();
  MainForm& main = app_.mainForm();
  static const QStringList kPlainMethods = {QStringLiteral("Next"),  QStringLiteral("Previous"),
                                            QStringLiteral("Pause"), QStringLiteral("PlayPause"),
                                            QStringLiteral("Stop"),  QStringLiteral("Play")};

  if (kPlainMethods.contains(member)) {
    if (!signature.isEmpty()) {
      return message.createErrorReply(QDBusError::InvalidArgs, member + " takes no arguments");
    }
    if (member == QLatin1String("Play")) {
      main.playButton_Click();
    } else if (member == QLatin1String("Pause")) {
      main.pauseButton_Click();
    } else if (member == QLatin1String("PlayPause")) {
      if (app_.platform().engine.IsPlaying()) {
        main.pauseButton_Click();
      } else {
        main.playButton_Click();
      }
    } else if (member == QLatin1String("Stop")) {
      main.stopButton_Click();
    }
    // Next and Previous: one disc is one track, so there is nowhere to go.
    return message.createReply();
  }
  if (member == QLatin1String("Seek")) {
    if (signature != QLatin1String("x")) {
      return message.createErrorReply(QDBusError::InvalidArgs, "Seek takes an offset (x)");
    }
    Seek(args.at(0).toLongLong());
    return message.createReply();
  }
  if (member == QLatin1String("SetPosition")) {
    if (signature != QLatin1String("ox")) {
      return message.createErrorReply(QDBusError::InvalidArgs,
                                      "SetPosition takes a track and a position (ox)");
    }
    SetPosition(args.at(0).value<QDBusObjectPath>().path(), args.at(1).toLongLong());
    return message.createReply();
  }
  if (member == QLatin1String("OpenUri")) {
    return message.createErrorReply(QDBusError::NotSupported,
                                    "Tandrel plays discs chosen from its drive menu");
  }
  return message.createErrorReply(QDBusError::UnknownMethod,
                                  QStringLiteral("No method %1 here").arg(member));
}

QDBusMessage MprisService::CallProperties(const QDBusMessage& message) {
  const QString member = message.member();
  const QString signature = message.signature();
  const QList<QVariant> args = message.arguments();
  const auto unknownInterface = [&message](const QString& interface) {
    return message.createErrorReply(QDBusError::UnknownInterface,
                                    QStringLiteral("No interface %1 here").arg(interface));
  };
  const auto isOurs = [](const QString& interface) {
    return interface == QLatin1String(kRootInterface) ||
           interface == QLatin1String(kPlayerInterface);
  };

  if (member == QLatin1String("GetAll")) {
    if (signature != QLatin1String("s")) {
      return message.createErrorReply(QDBusError::InvalidArgs, "GetAll takes an interface (s)");
    }
    const QString interface = args.at(0).toString();
    if (!interface.isEmpty() && !isOurs(interface)) {
      return unknownInterface(interface);
    }
    return message.createReply(QVariant::fromValue(ReadAll(interface)));
  }
  if (member == QLatin1String("Get")) {
    if (signature != QLatin1String("ss")) {
      return message.createErrorReply(QDBusError::InvalidArgs,
                                      "Get takes an interface and a property (ss)");
    }
    const QString interface = args.at(0).toString();
    const QString name = args.at(1).toString();
    if (!interface.isEmpty() && !isOurs(interface)) {
      return unknownInterface(interface);
    }
    std::optional<QVariant> value = ReadProperty(interface, name);
    if (!value) {
      return message.createErrorReply(QDBusError::UnknownProperty,
                                      QStringLiteral("No property %1 here").arg(name));
    }
    return message.createReply(QVariant::fromValue(QDBusVariant(*value)));
  }
  if (member == QLatin1String("Set")) {
    if (signature != QLatin1String("ssv")) {
      return message.createErrorReply(QDBusError::InvalidArgs,
                                      "Set takes an interface, a property and a value (ssv)");
    }
    const QString interface = args.at(0).toString();
    if (!interface.isEmpty() && !isOurs(interface)) {
      return unknownInterface(interface);
    }
    const QVariant value = args.at(2).value<QDBusVariant>().variant();
    if (std::optional<QDBusMessage> refused =
            WriteProperty(message, interface, args.at(1).toString(), value)) {
      return *refused;
    }
    return message.createReply();
  }
  return message.createErrorReply(QDBusError::UnknownMethod,
                                  QStringLiteral("No method %1 here").arg(member));
}

std::optional<QVariant> MprisService::ReadProperty(const QString& interface, const QString& name) {
  const bool root = interface.isEmpty() || interface == QLatin1String(kRootInterface);
  const bool player = interface.isEmpty() || interface == QLatin1String(kPlayerInterface);
  if (root && Contains(kRootProperties, name)) {
    if (name == QLatin1String("Identity")) {
      return QStringLiteral("Tandrel");
    }
    if (name == QLatin1String("DesktopEntry")) {
      return QStringLiteral("tandrel");
    }
    if (name == QLatin1String("SupportedUriSchemes") ||
        name == QLatin1String("SupportedMimeTypes")) {
      // Nothing can be handed over to play: discs are opened from the drive menu only.
      return QStringList();
    }
    return name != QLatin1String("HasTrackList");
  }
  if (!player || !Contains(kPlayerProperties, name)) {
    return std::nullopt;
  }
  if (name == QLatin1String("PlaybackStatus")) {
    return PlaybackStatus();
  }
  if (name == QLatin1String("Metadata")) {
    return MetadataOf(Read());
  }
  if (name == QLatin1String("Volume")) {
    return app_.mainForm().volumeSlider / 100.0;
  }
  if (name == QLatin1String("Position")) {
    return QVariant::fromValue<qlonglong>(PositionUs());
  }
  if (name == QLatin1String("Rate") || name == QLatin1String("MinimumRate") ||
      name == QLatin1String("MaximumRate")) {
    return 1.0;
  }
  // A disc has no next or previous track; the rest is always offered, and the transport's
  // own guards decide what a request does.
  return name != QLatin1String("CanGoNext") && name != QLatin1String("CanGoPrevious");
}

QVariantMap MprisService::ReadAll(const QString& interface) {
  QVariantMap values;
  const auto add = [&](const char* const* begin, const char* const* end, const char* iface) {
    for (const char* const* name = begin; name != end; ++name) {
      values.insert(QLatin1String(*name),
                    *ReadProperty(QLatin1String(iface), QLatin1String(*name)));
    }
  };
  if (interface.isEmpty() || interface == QLatin1String(kRootInterface)) {
    add(std::begin(kRootProperties), std::end(kRootProperties), kRootInterface);
  }
  if (interface.isEmpty() || interface == QLatin1String(kPlayerInterface)) {
    add(std::begin(kPlayerProperties), std::end(kPlayerProperties), kPlayerInterface);
  }
  return values;
}

std::optional<QDBusMessage> MprisService::WriteProperty(const QDBusMessage& message,
                                                        const QString& interface,
                                                        const QString& name,
                                                        const QVariant& value) {
  const bool player = interface.isEmpty() || interface == QLatin1String(kPlayerInterface);
  if (player && (name == QLatin1String("Volume") || name == QLatin1String("Rate"))) {
    if (value.metaType() != QMetaType::fromType<double>()) {
      return message.createErrorReply(QDBusError::InvalidArgs, name + " is a double (d)");
    }
    if (name == QLatin1String("Volume")) {
      SetVolume(value.toDouble());
    }
    // Rate: the player plays at the normal speed only, so any other is let go.
    return std::nullopt;
  }
  if (ReadProperty(interface, name)) {
    return message.createErrorReply(QDBusError::PropertyReadOnly,
                                    QStringLiteral("%1 cannot be changed").arg(name));
  }
  return message.createErrorReply(QDBusError::UnknownProperty,
                                  QStringLiteral("No property %1 here").arg(name));
}

MprisService::Published MprisService::Read() {
  VideoEngine& engine = app_.platform().engine;
  MainForm& main = app_.mainForm();
  Published published;
  published.status = PlaybackStatus();
  const bool open = engine.PlaybackPosition() >= 0;
  published.trackId = QLatin1String(open ? kDiscTrack : kNoTrack);
  // The name the screen movie shows: the disc's label once one has been chosen.
  if (!main.IsClosed()) {
    published.title = QString::fromStdString(main.player().GetMovieVariable(movievars::kFileName));
  }
  published.lengthUs = open ? int64_t{engine.LengthSeconds()} * kMicroseconds : 0;
  published.volume = main.volumeSlider;
  return published;
}

QVariantMap MprisService::MetadataOf(const Published& published) {
  QVariantMap metadata;
  metadata.insert(QStringLiteral("mpris:trackid"),
                  QVariant::fromValue(QDBusObjectPath(published.trackId)));
  metadata.insert(QStringLiteral("xesam:title"), published.title);
  if (published.lengthUs > 0) {
    metadata.insert(QStringLiteral("mpris:length"),
                    QVariant::fromValue<qlonglong>(published.lengthUs));
  }
  return metadata;
}

QString MprisService::PlaybackStatus() {
  VideoEngine& engine = app_.platform().engine;
  if (engine.PlaybackPosition() < 0) {
    return QStringLiteral("Stopped");
  }
  return engine.IsPlaying() ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

int64_t MprisService::PositionUs() {
  VideoEngine& engine = app_.platform().engine;
  if (engine.PlaybackPosition() < 0) {
    return 0;
  }
  return int64_t{std::max(0, engine.ElapsedSeconds())} * kMicroseconds;
}

void MprisService::SetVolume(double volume) {
  if (std::isnan(volume)) {
    return;
  }
  MainForm& main = app_.mainForm();
  // As the skin's volume buttons do it: the slider, then the engine (unmuting), then the text.
  main.volumeSlider = static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * 100));
  main.volumeSlider_MouseMove(1, 0, 0, 0);
  app_.dvdBarForm().gui().SetMovieVariable(movievars::kVolumeText, main.VolumeText());
}

void MprisService::Raise() {
  MainForm& main = app_.mainForm();
  Window& bar = app_.dvdBarForm().window();
  bar.SetState(WindowState::Normal);
  bar.Show();
  if (!main.IsClosed()) {
    main.window().Show();
  }
  bar.Focus();
}

void MprisService::Seek(int64_t offsetUs) {
  VideoEngine& engine = app_.platform().engine;
  const int64_t lengthUs = int64_t{engine.LengthSeconds()} * kMicroseconds;
  if (lengthUs <= 0 || engine.PlaybackPosition() < 0) {
    return;
  }
  const int64_t currentUs = PositionUs();
  // Past the end would mean the next track, and there is none.
  if (offsetUs > lengthUs - currentUs) {
    return;
  }
  SeekTo(offsetUs < -currentUs ? 0 : currentUs + offsetUs, lengthUs);
}

void MprisService::SetPosition(const QString& trackId, int64_t positionUs) {
  VideoEngine& engine = app_.platform().engine;
  const int64_t lengthUs = int64_t{engine.LengthSeconds()} * kMicroseconds;
  // A request about another track than the open disc is out of date.
  if (lengthUs <= 0 || engine.PlaybackPosition() < 0 || trackId != QLatin1String(kDiscTrack) ||
      positionUs < 0 || positionUs > lengthUs) {
    return;
  }
  SeekTo(positionUs, lengthUs);
}

void MprisService::SeekTo(int64_t targetUs, int64_t lengthUs) {
  const double percent = static_cast<double>(targetUs) / static_cast<double>(lengthUs) * 100.0;
  app_.mainForm().player_FSCommand("IDC_FS_KnobReleased", KnobPercent(percent));
  QDBusMessage seeked = QDBusMessage::createSignal(
      QLatin1String(kObjectPath), QLatin1String(kPlayerInterface), QStringLiteral("Seeked"));
  seeked << QVariant::fromValue<qlonglong>(targetUs);
  bus_.send(seeked);
}

void MprisService::Exit() {
  // Messages leave a connection in order: once the bus has answered this, the answer to Quit
  // has reached it too, and goes on to the caller even after the process has ended.
  bus_.call(QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")),
            QDBus::Block, DBusScreenSaver::kCallTimeoutMs);
  try {
    app_.optionsDialog().exitCommand_Click();
  } catch (const std::exception& failure) {
    app_.lang().WriteErrorLog(DescribeFailure(failure, kFailureMethod));
  } catch (...) {
    // The process port ends the process, and a stand-in for it may do so by unwinding. Either
    // way there is nothing left for this request to do, and nothing may reach the event loop.
  }
}

void MprisService::CheckChanges() {
  Published now;
  try {
    now = Read();
  } catch (...) {
    // The engine did not answer this time; the next check asks again. Logging it would write
    // an entry four times a second.
    return;
  }
  if (sent_ && *sent_ == now) {
    return;
  }
  QVariantMap changed;
  if (!sent_ || sent_->status != now.status) {
    changed.insert(QStringLiteral("PlaybackStatus"), now.status);
  }
  if (!sent_ || sent_->trackId != now.trackId || sent_->title != now.title ||
      sent_->lengthUs != now.lengthUs) {
    changed.insert(QStringLiteral("Metadata"), MetadataOf(now));
  }
  if (!sent_ || sent_->volume != now.volume) {
    changed.insert(QStringLiteral("Volume"), now.volume / 100.0);
  }
  sent_ = now;
  QDBusMessage signal =
      QDBusMessage::createSignal(QLatin1String(kObjectPath), QLatin1String(kPropertiesInterface),
                                 QStringLiteral("PropertiesChanged"));
  signal << QString::fromLatin1(kPlayerInterface) << changed << QStringList();
  bus_.send(signal);
}

}  // namespace tandrel
