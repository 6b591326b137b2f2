#include "backends/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace tandrel {
namespace {

class QtTimer : public Timer {
 public:
  QtTimer(int intervalMs, std::function<void()> tick) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
  }
  void Start() override { timer_.start(); }
  void Stop() override { timer_.stop(); }

 private:
  QTimer timer_;
};

class QtPicture : public Picture {
 public:
  explicit QtPicture(QImage image) : image(std::move(image)) {}
  QImage image;
};

}  // namespace

MessageAnswer QtMessageBoxes::Show(const std::string& text, const std::string& title,
                                   MessageIcon icon, MessageButtons buttons) {
  static const std::map<MessageIcon, QMessageBox::Icon> kIcons = {
      {MessageIcon::None, QMessageBox::NoIcon},
      {MessageIcon::Critical, QMessageBox::Critical},
      {MessageIcon::Question, QMessageBox::Question},
      {MessageIcon::Warning, QMessageBox::Warning},
      {MessageIcon::Information, QMessageBox::Information}};
  // A carriage return alone starts a new line, as the program's texts expect.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(
      kIcons.at(icon), QString::fromStdString(title), shown,
      buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  const int answer = box.exec();
  if (buttons == MessageButtons::Ok) {
    return MessageAnswer::Ok;
  }
  return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::unique_ptr<Timer> QtTimers::CreateTimer(int intervalMs, std::function<void()> tick) {
  return std::make_unique<QtTimer>(intervalMs, std::move(tick));
}

std::unique_ptr<Picture> QtPictures::LoadJpeg(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    return nullptr;
  }
  const QByteArray bytes = file.readAll();
  // A whole JPEG starts with its start-of-image marker and ends with its end-of-image marker;
  // one that was cut short would decode into half a picture.
  if (!bytes.startsWith("\xFF\xD8\xFF") || !bytes.endsWith("\xFF\xD9")) {
    return nullptr;
  }
  QImage image;
  if (!image.loadFromData(bytes, "JPEG") || image.isNull()) {
    return nullptr;
  }
  return std::make_unique<QtPicture>(std::move(image));
}

bool QtPictures::SaveBitmap(const Picture& picture, const std::string& path) {
  const QImage image =
      static_cast<const QtPicture&>(picture).image.convertToFormat(QImage::Format_RGB888);
  return image.save(QString::fromStdString(path), "BMP");
}

bool QtPictures::SetPicture(const Picture& picture) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) {
    return false;
  }
  clipboard->clear();
  clipboard->setImage(static_cast<const QtPicture&>(picture).image);
  return true;
}

bool QtShellOpener::Open(const std::string& target, bool) {
  const QString text = QString::fromStdString(target);
  QUrl url;
  if (text.startsWith(QLatin1String("mailto:")) || text.contains(QLatin1String("://"))) {
    url = QUrl(text);
  } else {
    if (!QFileInfo::exists(text)) {
      return false;
    }
    url = QUrl::fromLocalFile(text);
  }
  return url.isValid() && QDesktopServices::openUrl(url);
}

std::string QtFolderDialogs::BrowseForFolder(BrowseInfo& info) {
  QWidget* owner = reinterpret_cast<QWidget*>(info.owner);
  const QString title = QString::fromStdString(info.title);
  const QString root = info.root.empty() ? QString() : QString::fromStdString(info.root);
  // Computers and printers have no file-system path; files only when asked for.
  if (info.flags & (0x1000 | 0x2000)) {
    return {};
  }
  if (info.flags & 0x4000) {
    return QFileDialog::getOpenFileName(owner, title, root).toStdString();
  }
  return QFileDialog::getExistingDirectory(owner, title, root, QFileDialog::ShowDirsOnly)
      .toStdString();
}

// ---- QtWindowHooks

class QtWindowHooks::Filter : public QObject {
 public:
  Filter(QWidget* widget, WindowProcedure& procedure) : widget_(widget), procedure_(procedure) {
    widget_->installEventFilter(this);
  }
  ~Filter() override {
    if (widget_) {
      widget_->removeEventFilter(this);
    }
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    WindowMessage message;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (mouse->button() == Qt::RightButton) {
          message.message = press ? wm::kRButtonDown : wm::kRButtonUp;
        } else if (mouse->button() == Qt::LeftButton) {
          message.message = press ? wm::kLButtonDown : wm::kLButtonDown + 1;
        } else {
          return false;
        }
        break;
      }
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        message.message = event->type() == QEvent::KeyPress ? wm::kKeyDown : wm::kKeyUp;
        message.wParam =
            key->key() == Qt::Key_Menu ? wm::kVkApps : static_cast<uintptr_t>(key->key());
        break;
      }
      case QEvent::ContextMenu:
        // What the right button or the menu key would have opened.
        message.message = wm::kRButtonDown;
        break;
      default:
        return false;
    }
    return procedure_.Handle(reinterpret_cast<NativeWindow>(widget_.data()), message) ==
           QtWindowHooks::kSwallowed;
  }

 private:
  QPointer<QWidget> widget_;
  WindowProcedure& procedure_;
};

QtWindowHooks::QtWindowHooks() = default;
QtWindowHooks::~QtWindowHooks() = default;

NativeWindow QtWindowHooks::FirstChild(NativeWindow parent) {
  auto* widget = reinterpret_cast<QWidget*>(parent);
  if (widget == nullptr) {
    return 0;
  }
  for (QObject* child : widget->children()) {
    if (child->isWidgetType()) {
      return reinterpret_cast<NativeWindow>(child);
    }
  }
  return 0;
}

NativeWindow QtWindowHooks::NextSibling(NativeWindow window) {
  auto* widget = reinterpret_cast<QWidget*>(window);
  if (widget == nullptr || widget->parentWidget() == nullptr) {
    return 0;
  }
  bool passed = false;
  for (QObject* sibling : widget->parentWidget()->children()) {
    if (passed && sibling->isWidgetType()) {
      return reinterpret_cast<NativeWindow>(sibling);
    }
    passed = passed || sibling == widget;
  }
  return 0;
}

std::string QtWindowHooks::ClassName(NativeWindow window) {
  auto* widget = reinterpret_cast<QWidget*>(window);
  if (widget == nullptr) {
    return {};
  }
  const QVariant windowClass = widget->property("windowClass");
  return windowClass.isValid() ? windowClass.toString().toStdString()
                               : std::string(widget->metaObject()->className());
}

WindowProcId QtWindowHooks::SetWindowProcedure(NativeWindow window, WindowProcedure& procedure) {
  auto* widget = reinterpret_cast<QWidget*>(window);
  filters_[widget] = std::make_unique<Filter>(widget, procedure);
  return kOwnHandling;
}

void QtWindowHooks::RestoreWindowProcedure(NativeWindow window, WindowProcId) {
  filters_.erase(reinterpret_cast<QWidget*>(window));
}

intptr_t QtWindowHooks::CallWindowProcedure(WindowProcId, NativeWindow,
                                            const WindowMessage& message) {
  // The widget's own handling is Qt's: the event goes on unless the message was taken away.
  return message.message == wm::kNull ? kSwallowed : 0;
}

namespace {

// Moves a window with the mouse until the left button is let go, where no window manager does.
class ManualMove : public QObject {
 public:
  explicit ManualMove(QWidget* window) : window_(window), grab_(QCursor::pos() - window->pos()) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseMove && window_) {
      window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grab_);
    } else if (event->type() == QEvent::MouseButtonRelease || !window_) {
      qApp->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  QPointer<QWidget> window_;
  QPoint grab_;
};

}  // namespace

void QtWindowHooks::BeginDrag(NativeWindow window) {
  auto* widget = reinterpret_cast<QWidget*>(window);
  if (widget == nullptr) {
    return;
  }
  QWindow* handle = widget->window()->windowHandle();
  if (handle != nullptr && handle->startSystemMove()) {
    return;
  }
  if (QGuiApplication::mouseButtons() & Qt::LeftButton) {
    new ManualMove(widget->window());
  }
}

}  // namespace tandrel
