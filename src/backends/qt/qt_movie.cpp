#include "backends/qt/qt_movie.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QResizeEvent>

namespace tandrel {
namespace {

// The host's own root, into which each movie is put.
constexpr const char* kStage = "import QtQuick\nItem { clip: true }\n";

}  // namespace

QtMovie::QtMovie(Scale scale, FailureSink failures, QWidget* parent)
    : QQuickWidget(parent), scale_(scale), failures_(std::move(failures)) {
  setResizeMode(QQuickWidget::SizeRootObjectToView);
  setClearColor(Qt::black);
  auto* stage = new QQmlComponent(engine(), this);
  const QUrl url(QStringLiteral("qrc:/tandrel/stage.qml"));
  stage->setData(kStage, url);
  setContent(url, stage, stage->create());
  // The hooks recognise a movie's window by this class name.
  setProperty("windowClass", QStringLiteral("MacromediaFlashPlayerActiveX"));
}

QtMovie::~QtMovie() = default;

void QtMovie::SetMoviePath(const std::string& path) {
  delete movie_.data();
  loadError_.clear();
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    loadError_ = QStringLiteral("cannot read ") + file.fileName();
    return;
  }
  // Whatever the file is called, it is a QML document.
  QQmlComponent component(engine());
  component.setData(file.readAll(), QUrl::fromLocalFile(file.fileName() + QStringLiteral(".qml")));
  QObject* created = component.create(rootContext());
  auto* item = qobject_cast<QQuickItem*>(created);
  if (item == nullptr) {
    delete created;
    loadError_ = component.errorString();
    return;
  }
  item->setParentItem(rootObject());
  item->setParent(rootObject());
  movie_ = item;
  if (item->metaObject()->indexOfSignal("command(QString,QString)") >= 0) {
    connect(item, SIGNAL(command(QString, QString)), this, SLOT(onCommand(QString, QString)));
  }
  Place();
}

void QtMovie::Place() {
  if (!movie_) {
    return;
  }
  movie_->setTransformOrigin(QQuickItem::TopLeft);
  if (scale_ == Scale::NoScaleTopLeft || movie_->width() <= 0 || movie_->height() <= 0) {
    movie_->setPosition(QPointF(0, 0));
    movie_->setScale(1);
    return;
  }
  const qreal scale = std::min(width() / movie_->width(), height() / movie_->height());
  movie_->setScale(scale);
  movie_->setPosition(QPointF(0, (height() - movie_->height() * scale) / 2));
}

void QtMovie::resizeEvent(QResizeEvent* event) {
  QQuickWidget::resizeEvent(event);
  Place();
}

QObject* QtMovie::Resolve(const std::string& path, QByteArray* property) const {
  if (!movie_) {
    return nullptr;
  }
  QStringList parts = QString::fromStdString(path).split(QLatin1Char('.'));
  if (parts.isEmpty()) {
    return nullptr;
  }
  *property = parts.takeLast().toUtf8();
  QObject* at = movie_;
  if (!parts.isEmpty() &&
      (parts.front() == QLatin1String("_root") || parts.front() == QLatin1String("_level0"))) {
    parts.removeFirst();
  }
  for (const QString& name : parts) {
    at = at->findChild<QObject*>(name);
    if (at == nullptr) {
      return nullptr;
    }
  }
  // QML names no property with a capital first letter: "KnobPosition" is knobPosition there.
  if (at->metaObject()->indexOfProperty(property->constData()) < 0 && !property->isEmpty() &&
      property->at(0) >= 'A' && property->at(0) <= 'Z') {
    QByteArray lowered = *property;
    lowered[0] = static_cast<char>(lowered[0] - 'A' + 'a');
    if (at->metaObject()->indexOfProperty(lowered.constData()) >= 0) {
      *property = lowered;
    }
  }
  return at;
}

void QtMovie::SetMovieVariable(const std::string& path, const std::string& value) {
  QByteArray property;
  if (QObject* object = Resolve(path, &property)) {
    object->setProperty(property.constData(), QString::fromStdString(value));
  }
}

std::string QtMovie::GetMovieVariable(const std::string& path) {
  if (!movie_) {
    return {};
  }
  if (path == "_width") {
    return QString::number(movie_->width()).toStdString();
  }
  if (path == "_height") {
    return QString::number(movie_->height()).toStdString();
  }
  QByteArray property;
  QObject* object = Resolve(path, &property);
  return object == nullptr ? std::string()
                           : object->property(property.constData()).toString().toStdString();
}

void QtMovie::SetCommandHandler(CommandHandler handler) {
  handler_ = std::move(handler);
}

void QtMovie::SetSize(int width, int height) {
  resize(width, height);
}

void QtMovie::onCommand(const QString& name, const QString& args) {
  if (!handler_) {
    return;
  }
  // The event boundary: a failure is recorded and the player goes on.
  try {
    handler_(name.toStdString(), args.toStdString());
  } catch (const std::exception& failure) {
    if (failures_) {
      failures_(failure);
    }
  }
}

}  // namespace tandrel
