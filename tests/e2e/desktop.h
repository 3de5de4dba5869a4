#pragma once

// A real X desktop for end-to-end tests: Xvfb with openbox on a display of its
// own, the program started on it, and xdotool, xprop and ImageMagick to drive
// and watch it. Everything started here is stopped by process id.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace korvane::e2e {

class Desktop {
 public:
  explicit Desktop(QSize screen = QSize(1024, 768));
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  bool ready() const { return ready_; }
  const QString& display() const { return display_; }
  QSize screenSize() const { return screen_; }

  // Runs a tool on this display and returns its standard output.
  QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) const;
  QImage screenshot() const;

  void moveTo(QPoint global) const;
  void click(QPoint global) const;
  void doubleClick(QPoint global) const;
  void press(QPoint global) const;
  void release(QPoint global) const;
  void key(const QString& keys) const;

  // The first window whose name is exactly this, waiting up to the timeout.
  std::optional<QString> findWindow(const QString& name, int timeoutMs = 10000) const;
  std::optional<QRect> geometry(const QString& windowId) const;
  QString property(const QString& windowId, const QString& name) const;
  bool isViewable(const QString& windowId) const;

 private:
  QSize screen_;
  QString display_;
  std::unique_ptr<QProcess> xvfb_;
  std::unique_ptr<QProcess> openbox_;
  bool ready_ = false;
};

// The program on a desktop, with a stand-in opener first on its PATH that
// writes down each URL it is given.
class Program {
 public:
  explicit Program(const Desktop& desktop);
  ~Program();

  bool start();
  bool running() const;
  // Waits for the program to end; nothing if it does not end in time.
  std::optional<int> waitForExit(int timeoutMs = 10000);
  qint64 pid() const;
  // Every invocation of the stand-in opener, one list of arguments each.
  std::vector<QStringList> openerCalls() const;
  // Resident memory in KiB, from /proc.
  long residentKiB() const;

 private:
  const Desktop& desktop_;
  QTemporaryDir bin_;
  std::unique_ptr<QProcess> process_;
};

// Pixels of a stored picture, decoded as the program decodes it.
QImage storedPicture(const char* assetName);

// The share of pixels whose channels all lie within the tolerance of the
// reference, comparing `shot` at `at` with the whole `reference`.
double matchingShare(const QImage& shot, QPoint at, const QImage& reference, int tolerance = 24);

}  // namespace korvane::e2e
