#include "tests/model/fake_kinds.h"

#include <QPainter>

namespace korvane::testing {

FakeWindow::FakeWindow(const model::CreateContext& context, std::unique_ptr<platform::NativeWindow> native)
    : WindowControl(context.host, context.unit.id, model::Kind::Window),
      settings_(std::get<model::WindowSettings>(context.unit.settings)),
      native_(std::move(native)) {}

void FakeWindow::paintFace(QPainter& painter, const QRect& area) { painter.fillRect(area, Qt::darkGray); }

FakeControl::FakeControl(const model::CreateContext& context, KindLog& log)
    : LiveControl(context.host, context.unit.id, context.unit.kind), log_(log) {
  log_.created.push_back(context.unit.id);
}

void FakeControl::paint(QPainter& painter) { painter.fillRect(clientRect(), QColor::fromRgb(id() & 0xFFFFFF)); }

void FakeControl::mouse(const model::ControlMouse& input) { log_.mouse.emplace_back(id(), input.action); }

FakePages::FakePages(const model::CreateContext& context, KindLog& log, int pageCount)
    : FakeControl(context, log), pageCount_(pageCount) {}

model::Value FakePages::get(model::Role role) const {
  if (role == model::Role::CurrentPage) return std::int32_t{current_};
  return FakeControl::get(role);
}

void FakePages::set(model::Role role, const model::Value& value) {
  auto page = model::asInteger(value);
  if (role != model::Role::CurrentPage || !page || *page < 0 || *page >= pageCount_ || *page == current_) return;
  current_ = *page;
  host().repaint(*this);
  host().pageChanged(*this);
}

void registerFakeKinds(model::KindRegistry& registry, KindLog& log) {
  registry.add(model::Kind::Window, [](const model::CreateContext& context) -> std::unique_ptr<model::LiveControl> {
    const auto& settings = std::get<model::WindowSettings>(context.unit.settings);
    platform::WindowOptions options;
    options.title = settings.title;
    options.geometry = QRect(context.unit.left, context.unit.top, context.unit.width, context.unit.height);
    options.owner = context.owner;
    options.inTaskbar = settings.inTaskbar;
    auto native = context.platform.createWindow(options, *context.client);
    if (!native) return nullptr;
    return std::make_unique<FakeWindow>(context, std::move(native));
  });
  registry.add(model::Kind::PageControl, [&log](const model::CreateContext& context) {
    const auto& settings = std::get<model::PageControlSettings>(context.unit.settings);
    return std::make_unique<FakePages>(context, log, static_cast<int>(settings.pages.size()));
  });
  for (auto kind : {model::Kind::PicBox, model::Kind::PicBtn, model::Kind::TransLabel, model::Kind::HyperLinker}) {
    registry.add(kind, [&log](const model::CreateContext& context) {
      return std::make_unique<FakeControl>(context, log);
    });
  }
}

}  // namespace korvane::testing
