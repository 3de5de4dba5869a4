#pragma once

// Small kinds of the tests' own, so that the model can be tried without the
// program's components or pictures.

#include "ui/model/kind_registry.h"
#include "ui/model/window_control.h"

#include <QColor>

#include <string>
#include <vector>

namespace korvane::testing {

struct KindLog {
  std::vector<model::UnitId> created;                 // in creation order
  std::vector<std::pair<model::UnitId, platform::MouseAction>> mouse;  // what reached each kind
};

class FakeWindow final : public model::WindowControl {
 public:
  FakeWindow(const model::CreateContext& context, std::unique_ptr<platform::NativeWindow> native);
  platform::NativeWindow& native() override { return *native_; }
  void paintFace(QPainter& painter, const QRect& area) override;
  void showInStartState() override { native_->setShowState(platform::ShowState::Normal); }
  bool setOutlineFromPicture(const model::ByteSet&, std::optional<model::Colour>) override { return false; }
  bool escCloses() const override { return settings_.escCloses; }
  bool moveAnywhere() const override { return settings_.moveAnywhere; }

 private:
  model::WindowSettings settings_;
  std::unique_ptr<platform::NativeWindow> native_;
};

// A plain rectangle of one colour that records the mouse messages it gets.
class FakeControl : public model::LiveControl {
 public:
  FakeControl(const model::CreateContext& context, KindLog& log);
  void paint(QPainter& painter) override;
  void mouse(const model::ControlMouse& input) override;

 private:
  KindLog& log_;
};

// A page container whose current page is its own property.
class FakePages final : public FakeControl {
 public:
  FakePages(const model::CreateContext& context, KindLog& log, int pageCount);
  model::Value get(model::Role role) const override;
  void set(model::Role role, const model::Value& value) override;
  int currentPage() const override { return current_; }
  int pageCount() const override { return pageCount_; }

 private:
  int pageCount_;
  int current_ = 0;
};

// Window → FakeWindow, PageControl → FakePages, every other kind → FakeControl.
void registerFakeKinds(model::KindRegistry& registry, KindLog& log);

}  // namespace korvane::testing
