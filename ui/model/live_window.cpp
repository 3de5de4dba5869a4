#include "ui/model/live_window.h"

#include "ui/model/runtime.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::model {

LiveWindow::LiveWindow(Runtime& runtime, WindowId id) : runtime_(runtime), id_(id) {}

LiveWindow::~LiveWindow() = default;

platform::Platform& LiveWindow::platform() { return runtime_.platform(); }

// ---- Building ---------------------------------------------------------------

bool LiveWindow::build(const ControlStore& store, platform::NativeWindow* owner) {
  const auto& units = store.units();
  const KindRegistry& kinds = runtime_.kinds();

  CreateContext windowContext{units.front(), *this, platform(), this, owner};
  auto created = kinds.create(windowContext);
  if (!created) return false;
  auto* asWindow = dynamic_cast<WindowControl*>(created.get());
  if (!asWindow) throw std::logic_error("the window kind must create a window control");
  created.release();
  window_.reset(asWindow);
  window_->rect = QRect(0, 0, units.front().width, units.front().height);

  // Controls are created hidden, the last unit first.
  controls_.resize(units.size());
  for (std::size_t i = units.size() - 1; i >= 1; --i) {
    const Unit& unit = units[i];
    auto control = kinds.create(CreateContext{unit, *this, platform()});
    if (!control) return false;
    control->rect = QRect(unit.left, unit.top, unit.width, unit.height);
    control->disabled = unit.disabled;
    controls_[i] = std::move(control);
  }

  // Which page of its container each control lies on; page lists do not
  // change while the window is loaded.
  for (const Unit& unit : units) {
    if (!isPageContainer(unit.kind)) continue;
    const auto pages = pagesOf(unit.pageList);
    for (std::size_t page = 0; page < pages.size(); ++page) {
      for (UnitId id : pages[page]) pageOfControl_.emplace(id, static_cast<int>(page));
    }
  }

  // Into their containers, stacked in unit order: the earlier unit on top.
  for (std::size_t i = 1; i < units.size(); ++i) {
    LiveControl* control = controls_[i].get();
    const Unit* parentUnit = units[i].parent ? store.find(*units[i].parent) : nullptr;
    if (parentUnit && isPageContainer(parentUnit->kind)) {
      control->parent = this->control(parentUnit->id);
      control->parent->children.push_back(control);
    } else {
      topmostFirst_.push_back(control);
    }
  }

  for (std::size_t i = 1; i < units.size(); ++i) {
    if (units[i].visible && !onHiddenPage(*controls_[i])) controls_[i]->shown = true;
  }
  return true;
}

LiveControl* LiveWindow::control(UnitId unit) const {
  const ControlStore* store = runtime_.store(id_);
  auto index = store ? store->indexOf(unit) : std::nullopt;
  if (!index || *index == 0 || *index >= controls_.size()) return nullptr;
  return controls_[*index].get();
}

bool LiveWindow::onHiddenPage(const LiveControl& control) const {
  const LiveControl* container = control.parent;
  if (!container || !isPageContainer(container->kind())) return false;
  auto found = pageOfControl_.find(control.id());
  return found != pageOfControl_.end() && found->second != container->currentPage();
}

void LiveWindow::showPage(const LiveControl& container, const ControlStore& store) {
  const Unit* containerUnit = store.find(container.id());
  if (!containerUnit) return;
  const auto pages = pagesOf(containerUnit->pageList);
  const int current = container.currentPage();
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (static_cast<int>(page) == current) continue;
    for (UnitId id : pages[page]) {
      if (LiveControl* c = control(id)) setShown(*c, false);
    }
  }
  if (current < 0 || current >= static_cast<int>(pages.size())) return;
  for (UnitId id : pages[current]) {
    const Unit* unit = store.find(id);
    LiveControl* c = control(id);
    if (unit && c && unit->visible) setShown(*c, true);
  }
}

void LiveWindow::retire() {
  if (retired_) return;
  retired_ = true;
  capture_ = nullptr;
  if (window_) window_->native().setShowState(platform::ShowState::Hidden);
}

// ---- Geometry and visibility ------------------------------------------------

QPoint LiveWindow::windowPosOf(const LiveControl& control) const {
  QPoint pos;
  for (const LiveControl* c = &control; c; c = c->parent) pos += c->rect.topLeft();
  return pos;
}

QRect LiveWindow::visibleAreaOf(const LiveControl& control) const {
  QRect area(windowPosOf(control), control.rect.size());
  for (const LiveControl* p = control.parent; p; p = p->parent) {
    area &= QRect(windowPosOf(*p), p->rect.size());
  }
  return area;
}

bool LiveWindow::isVisible() const {
  return window_ && window_->native().showState() != platform::ShowState::Hidden;
}

void LiveWindow::setWindowVisible(bool visible) {
  auto& native = window_->native();
  if (visible == isVisible()) return;
  native.setShowState(visible ? platform::ShowState::Normal : platform::ShowState::Hidden);
}

bool LiveWindow::actuallyShown(const LiveControl& control) const {
  for (const LiveControl* c = &control; c; c = c->parent) {
    if (!c->shown) return false;
  }
  return isVisible();
}

void LiveWindow::setShown(LiveControl& control, bool shown) {
  if (control.shown == shown) return;
  control.shown = shown;
  if (!shown && capture_ == &control) capture_ = nullptr;
  if (isVisible()) window_->native().update(visibleAreaOf(control));
}

void LiveWindow::setRect(LiveControl& control, const QRect& rect) {
  if (control.rect == rect) return;
  const bool painted = actuallyShown(control);
  if (painted) window_->native().update(visibleAreaOf(control));
  control.rect = rect;
  if (painted) window_->native().update(visibleAreaOf(control));
}

void LiveWindow::setDisabled(LiveControl& control, bool disabled) {
  if (control.disabled == disabled) return;
  control.disabled = disabled;
  if (disabled && capture_ == &control) capture_ = nullptr;
  repaint(control);
}

// ---- Painting ---------------------------------------------------------------

void LiveWindow::paint(QPainter& painter, const QRect& area) {
  if (!window_) return;
  window_->paintFace(painter, area);
  paintChildren(painter, topmostFirst_, QPoint(0, 0), area);
}

// Bottom to top, so that a transparent control is painted over whatever
// lies beneath it and an opaque one covers it.
void LiveWindow::paintChildren(QPainter& painter, const std::vector<LiveControl*>& topmostFirst, QPoint origin,
                               const QRect& clip) {
  for (auto it = topmostFirst.rbegin(); it != topmostFirst.rend(); ++it) {
    LiveControl* control = *it;
    if (!control->shown) continue;
    const QRect area = control->rect.translated(origin) & clip;
    if (area.isEmpty()) continue;
    const QPoint controlOrigin = origin + control->rect.topLeft();
    painter.save();
    painter.setClipRect(area);
    painter.translate(controlOrigin);
    control->paint(painter);
    painter.restore();
    if (!control->children.empty()) paintChildren(painter, control->children, controlOrigin, area);
  }
}

void LiveWindow::repaint(const LiveControl& control) {
  if (&control == window_.get()) {
    if (isVisible()) window_->native().update(window_->clientRect());
    return;
  }
  if (actuallyShown(control)) window_->native().update(visibleAreaOf(control));
}

// ---- Capture, events --------------------------------------------------------

void LiveWindow::setCapture(LiveControl& control) { capture_ = &control; }

void LiveWindow::releaseCapture(const LiveControl& control) {
  if (capture_ == &control) capture_ = nullptr;
}

bool LiveWindow::isTopmostAt(const LiveControl& control, QPoint local) const {
  return hitTest(topmostFirst_, windowPosOf(control) + local).control == &control;
}

void LiveWindow::raise(const LiveControl& control, Event event, const EventArgs& args) {
  runtime_.raiseEvent(id_, control.id() == window_->id() ? runtime_.store(id_)->windowUnitId() : control.id(),
                      event, args);
}

void LiveWindow::pageChanged(const LiveControl& container) { runtime_.showPage(id_, container.id()); }

UnitId LiveWindow::unitOf(const HitResult& target) const {
  return target.control ? target.control->id() : runtime_.store(id_)->windowUnitId();
}

}  // namespace korvane::model
