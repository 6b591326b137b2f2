#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <cstdint>
#include <optional>

#include "platform/video_output.h"

class QDBusMessage;

namespace tandrel {

class Application;

// Keeps the desktop's screen saver away through org.freedesktop.ScreenSaver. Everything that
// can go wrong (no session bus, no such service, no answer) is silent: the screen saver then
// simply goes on as usual, and the next Inhibit asks again.
class DBusScreenSaver : public ScreenSaver {
 public:
  static constexpr const char* kService = "org.freedesktop.ScreenSaver";
  static constexpr const char* kApplicationName = "Tandrel";
  static constexpr const char* kReason = "Playing a DVD";
  // The engine asks from the user-interface thread; a screen saver that takes longer than this
  // to answer is not waited for.
  static constexpr int kCallTimeoutMs = 2000;

  explicit DBusScreenSaver(QDBusConnection bus = QDBusConnection::sessionBus());
  // Lets the screen saver run again.
  ~DBusScreenSaver() override;

  DBusScreenSaver(const DBusScreenSaver&) = delete;
  DBusScreenSaver& operator=(const DBusScreenSaver&) = delete;

  // Does nothing while already inhibited.
  void Inhibit() override;
  void UnInhibit() override;
  bool IsInhibited() const { return cookie_.has_value(); }

 private:
  QDBusConnection bus_;
  std::optional<uint32_t> cookie_;
  // Where the cookie came from; it is handed back there.
  QString path_;
};

// The player on the desktop's media controls: MPRIS 2 on the session bus. Every request runs
// the same operation as the control bar's button for it, guards included, on the user-interface
// thread. A failure of an operation is logged and answered with a D-Bus error; it never reaches
// the event loop.
class MprisService : public QDBusVirtualObject {
 public:
  static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.tandrel";
  static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
  static constexpr const char* kRootInterface = "org.mpris.MediaPlayer2";
  static constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
  // The open disc, as the one track there is.
  static constexpr const char* kDiscTrack = "/net/tandrel/disc";
  static constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
  // How often the published values are compared with what the player shows now.
  static constexpr int kCheckIntervalMs = 250;

  // Registers on `bus`; without a bus, or with the name taken, the service stays unreachable.
  MprisService(Application& app, QDBusConnection bus);
  ~MprisService() override;

  MprisService(const MprisService&) = delete;
  MprisService& operator=(const MprisService&) = delete;

  bool IsRegistered() const { return registered_; }

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  // The values that PropertiesChanged reports.
  struct Published {
    QString status;
    QString trackId;
    QString title;
    int64_t lengthUs = 0;
    int volume = 0;  // the volume slider, 0 to 100

    bool operator==(const Published&) const = default;
  };

  QDBusMessage Dispatch(const QDBusMessage& message);
  QDBusMessage CallRoot(const QDBusMessage& message);
  QDBusMessage CallPlayer(const QDBusMessage& message);
  QDBusMessage CallProperties(const QDBusMessage& message);

  std::optional<QVariant> ReadProperty(const QString& interface, const QString& name);
  QVariantMap ReadAll(const QString& interface);
  // An error reply, or nothing when the value was taken.
  std::optional<QDBusMessage> WriteProperty(const QDBusMessage& message, const QString& interface,
                                            const QString& name, const QVariant& value);

  Published Read();
  static QVariantMap MetadataOf(const Published& published);
  QString PlaybackStatus();
  int64_t PositionUs();
  void SetVolume(double volume);
  void Raise();
  void Seek(int64_t offsetUs);
  void SetPosition(const QString& trackId, int64_t positionUs);
  void SeekTo(int64_t targetUs, int64_t lengthUs);
  // The Exit command, once Quit has been answered.
  void Exit();
  void CheckChanges();

  Application& app_;
  QDBusConnection bus_;
  bool registered_ = false;
  QTimer checkTimer_;
  std::optional<Published> sent_;
};

}  // namespace tandrel
