#include "ui/components/window.h"

#include "assets/app_icon.h"
#include "assets/decode_picture.h"
#include "ui/components/colour.h"
#include "ui/components/picture_layout.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace korvane::components {
namespace {

using model::WindowState;

const model::WindowSettings& windowSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::WindowSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a window unit needs window settings");
  return *settings;
}

QRect creationGeometry(const model::Unit& unit, const model::WindowSettings& settings, QSize screen) {
  const QSize size(unit.width, unit.height);
  if (settings.startState == WindowState::Centred) {
    return QRect(SkinnedWindow::centredPosition(screen, size), size);
  }
  return QRect(QPoint(unit.left, unit.top), size);
}

}  // namespace

QPoint SkinnedWindow::centredPosition(QSize screen, QSize window) {
  return QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

std::unique_ptr<model::LiveControl> SkinnedWindow::create(const model::CreateContext& context) {
  const auto& settings = windowSettingsOf(context.unit);
  platform::WindowOptions options;
  options.title = settings.title;
  options.geometry = creationGeometry(context.unit, settings, context.platform.primaryScreenSize());
  options.owner = context.owner;
  options.inTaskbar = settings.inTaskbar;
  options.icon = &assets::applicationIcon();
  auto native = context.platform.createWindow(options, *context.client);
  if (!native) return nullptr;
  return std::make_unique<SkinnedWindow>(context, std::move(native));
}

SkinnedWindow::SkinnedWindow(const model::CreateContext& context, std::unique_ptr<platform::NativeWindow> native)
    : WindowControl(context.host, context.unit.id, model::Kind::Window),
      settings_(windowSettingsOf(context.unit)),
      native_(std::move(native)),
      platform_(context.platform),
      storedState_(settings_.startState) {}

// ---- Face -------------------------------------------------------------------

void SkinnedWindow::paintFace(QPainter& painter, const QRect& area) {
  if (!faceDecoded_) {
    face_ = assets::decodePicture(settings_.facePicture);
    faceDecoded_ = true;
  }
  if (!face_) {
    painter.fillRect(area, toQColor(settings_.background));
    return;
  }
  paintLaidOutFace(painter, area, *face_);
}

void SkinnedWindow::paintLaidOutFace(QPainter& painter, const QRect& area, const QImage& face) {
  const QSize client = native_->geometry().size();
  const QSize picture = face.size();
  QRect covered;
  switch (settings_.pictureMode) {
    case model::PictureMode::TopLeft:
      covered = QRect(QPoint(0, 0), picture);
      painter.drawImage(covered.topLeft(), face);
      break;
    case model::PictureMode::Tiled:
      for (int y = (area.top() / picture.height()) * picture.height(); y <= area.bottom(); y += picture.height()) {
        for (int x = (area.left() / picture.width()) * picture.width(); x <= area.right(); x += picture.width()) {
          painter.drawImage(QPoint(x, y), face);
        }
      }
      return;
    case model::PictureMode::Centred:
      covered = centredPictureRect(picture, client);
      painter.drawImage(covered, face);
      break;
    case model::PictureMode::Stretched:
      painter.drawImage(QRect(QPoint(0, 0), client), face);
      return;
  }
  const QRegion uncovered = QRegion(area) - QRegion(covered);
  for (const QRect& rect : uncovered) painter.fillRect(rect, toQColor(settings_.background));
}

// ---- State ------------------------------------------------------------------

void SkinnedWindow::showInStartState() {
  native_->setShowState(platform::ShowState::Normal);
  if (settings_.startState != WindowState::Normal && settings_.startState != WindowState::Centred) {
    applyState(settings_.startState);
  }
}

model::Value SkinnedWindow::get(model::Role role) const {
  if (role != model::Role::WindowState) return model::WindowControl::get(role);
  switch (native_->showState()) {
    case platform::ShowState::Minimized: return std::int32_t{2};
    case platform::ShowState::Maximized: return std::int32_t{3};
    default: return std::int32_t{0};
  }
}

void SkinnedWindow::set(model::Role role, const model::Value& value) {
  if (role != model::Role::WindowState) return;
  auto number = model::asInteger(value);
  if (!number) return;
  storedState_ = static_cast<WindowState>(std::clamp(*number, 0, 3));
  if (native_->showState() == platform::ShowState::Hidden) return;
  applyState(storedState_);
}

// Restoring a maximised window puts back the place and size it had before.
void SkinnedWindow::restoreNormal() {
  native_->setShowState(platform::ShowState::Normal);
  if (normalGeometry_) {
    native_->setGeometry(*normalGeometry_);
    normalGeometry_.reset();
  }
}

void SkinnedWindow::applyState(WindowState state) {
  const auto current = native_->showState();
  switch (state) {
    case WindowState::Normal:
      restoreNormal();
      break;
    case WindowState::Centred: {
      if (current == platform::ShowState::Minimized || current == platform::ShowState::Maximized) restoreNormal();
      const QPoint centred = centredPosition(platform_.primaryScreenSize(), native_->geometry().size());
      if (native_->geometry().topLeft() != centred) native_->move(centred);
      break;
    }
    case WindowState::Minimized:
      native_->setShowState(platform::ShowState::Minimized);
      break;
    case WindowState::Maximized:
      if (current == platform::ShowState::Minimized) native_->setShowState(platform::ShowState::Normal);
      if (!normalGeometry_) normalGeometry_ = native_->geometry();
      native_->setGeometry(QRect(QPoint(0, 0), platform_.primaryScreenSize()));
      native_->setShowState(platform::ShowState::Maximized);
      break;
  }
}

// ---- Outline ----------------------------------------------------------------

// Every run of pixels that differ from the transparent colour becomes a
// one-pixel-high rectangle; rows go top to bottom, runs left to right, which
// lets the region grow at constant cost per rectangle.
bool SkinnedWindow::setOutlineFromPicture(const model::ByteSet& picture, std::optional<model::Colour> transparent) {
  if (picture.isEmpty()) return false;
  auto decoded = assets::decodePicture(picture);
  if (!decoded) return false;
  const QImage image = decoded->format() == QImage::Format_RGB32 ? *decoded
                                                                 : decoded->convertToFormat(QImage::Format_RGB32);
  const model::Colour key = transparent.value_or(model::Colour::rgb(255, 255, 255));
  const QRgb keyRgb = qRgb(key.red, key.green, key.blue) & 0x00FFFFFF;

  // The size is read once: QImage's accessors are calls into the library,
  // which in the conditions of this loop cost more than the scan itself.
  const int width = image.width();
  const int height = image.height();
  std::vector<QRect> runs;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0x00FFFFFF) == keyRgb) ++x;
      const int start = x;
      while (x < width && (row[x] & 0x00FFFFFF) != keyRgb) ++x;
      if (x > start) runs.emplace_back(start, y, x - start, 1);
    }
  }
  QRegion outline;
  outline.setRects(runs.data(), static_cast<int>(runs.size()));
  native_->setOutline(outline);
  return true;
}

}  // namespace korvane::components
