#include "ui/components/page_control.h"

#include "ui/components/colour.h"

#include <QPainter>

#include <stdexcept>

namespace korvane::components {
namespace {

const model::PageControlSettings& pageControlSettingsOf(const model::Unit& unit) {
  const auto* settings = std::get_if<model::PageControlSettings>(&unit.settings);
  if (!settings) throw std::logic_error("a PageControl unit needs PageControl settings");
  return *settings;
}

}  // namespace

std::unique_ptr<model::LiveControl> PageControl::create(const model::CreateContext& context) {
  return std::make_unique<PageControl>(context, pageControlSettingsOf(context.unit));
}

// No page change is reported while the container is created: the window
// shows the first page's controls itself.
PageControl::PageControl(const model::CreateContext& context, const model::PageControlSettings& settings)
    : LiveControl(context.host, context.unit.id, model::Kind::PageControl),
      background_(toQColor(settings.background)),
      pageColour_(toQColor(settings.pageColour)),
      frameColour_(toQColor(settings.frameColour)) {
  for (const model::PageSetting& page : settings.pages) {
    pages_.push_back(Page{page.visible && page.enabled,
                          page.colour ? std::optional<QColor>(toQColor(*page.colour)) : std::nullopt});
  }
  current_ = isSelectable(settings.initialPage) ? settings.initialPage : firstSelectable();
}

bool PageControl::isSelectable(int page) const {
  return page >= 0 && page < pageCount() && pages_[page].selectable;
}

int PageControl::firstSelectable() const {
  for (int page = 0; page < pageCount(); ++page) {
    if (pages_[page].selectable) return page;
  }
  return -1;
}

model::Value PageControl::get(model::Role role) const {
  if (role == model::Role::CurrentPage) return std::int32_t{current_};
  return LiveControl::get(role);
}

void PageControl::set(model::Role role, const model::Value& value) {
  if (role != model::Role::CurrentPage) return;
  if (auto page = model::asInteger(value)) selectPage(*page);
}

void PageControl::selectPage(int page) {
  if (!isSelectable(page)) {
    if (current_ >= 0 || firstSelectable() < 0) {
      host().repaint(*this);
      return;
    }
    page = firstSelectable();
  }
  const int previous = current_;
  if (page != previous) {
    model::EventArgs args;
    args.page = page;
    host().raise(*this, model::Event::PageAboutToChange, args);
  }
  current_ = page;
  host().repaint(*this);
  if (page != previous) {
    host().pageChanged(*this);
    model::EventArgs args;
    args.page = page;
    host().raise(*this, model::Event::PageChanged, args);
  }
}

// With the headers hidden the page area is the whole container. The window
// paints into a buffer of its own, so this draws straight into the painter.
void PageControl::paint(QPainter& painter) {
  const QRect area = clientRect();
  painter.fillRect(area, background_);
  const QColor page = current_ >= 0 && pages_[current_].colour ? *pages_[current_].colour : pageColour_;
  painter.fillRect(area.adjusted(1, 1, -1, -1), page);
  painter.setPen(frameColour_);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

}  // namespace korvane::components
