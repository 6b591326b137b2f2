#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <functional>
#include <string>

#include "components/movie.h"

class QQmlComponent;

namespace tandrel {

// A movie of the interface hosted in a Qt Quick widget. The movie is a QML document whose root
// item declares `signal command(string name, string args)`; variables are reached by dotted
// paths of objectName from "_root" or "_level0", ending in a property.
class QtMovie : public QQuickWidget, public Movie {
  Q_OBJECT

 public:
  enum class Scale {
    // The movie at its own size at the top left (the screen movie).
    NoScaleTopLeft,
    // The whole movie, scaled evenly to fit, aligned left (the skin).
    ShowAllLeft,
  };

  // Told of a failure that leaves a command handler, which Qt's event loop must not see.
  using FailureSink = std::function<void(const std::exception&)>;

  QtMovie(Scale scale, FailureSink failures, QWidget* parent = nullptr);
  ~QtMovie() override;

  void SetMoviePath(const std::string& path) override;
  void SetMovieVariable(const std::string& path, const std::string& value) override;
  std::string GetMovieVariable(const std::string& path) override;
  void SetCommandHandler(CommandHandler handler) override;
  void SetSize(int width, int height) override;
  int Width() const override { return width(); }
  int Height() const override { return height(); }

  // The movie's root item, or nothing before a movie loaded.
  QQuickItem* movieRoot() const { return movie_; }
  // Why the last movie could not be loaded; empty when it was.
  QString loadError() const { return loadError_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private slots:
  void onCommand(const QString& name, const QString& args);

 private:
  // The object a dotted path names and the property at its end.
  QObject* Resolve(const std::string& path, QByteArray* property) const;
  void Place();

  Scale scale_;
  FailureSink failures_;
  CommandHandler handler_;
  QPointer<QQuickItem> movie_;
  QString loadError_;
};

}  // namespace tandrel
