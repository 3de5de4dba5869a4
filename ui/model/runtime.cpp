#include "ui/model/runtime.h"

#include "ui/model/live_window.h"

namespace korvane::model {

Runtime::Entry::Entry(ControlStore definitionStore) : store(std::move(definitionStore)) {}

Runtime::Entry::~Entry() = default;

Runtime::Runtime(platform::Platform& platform, const KindRegistry& kinds, const HandlerRegistry& handlers,
                 std::vector<WindowDefinition> definitions)
    : platform_(platform), kinds_(kinds), handlers_(handlers), hiddenOwner_(platform.createHiddenOwner()) {
  for (auto& definition : definitions) {
    WindowId id = definition.windowId;
    entries_.try_emplace(id, ControlStore(std::move(definition)));
  }
}

Runtime::~Runtime() {
  *alive_ = false;
  for (auto& [id, e] : entries_) {
    if (e.live) e.live->retire();
  }
  retired_.clear();
  for (auto& [id, e] : entries_) e.live.reset();
}

Runtime::Entry* Runtime::entry(WindowId window) {
  auto found = entries_.find(window);
  return found == entries_.end() ? nullptr : &found->second;
}

const Runtime::Entry* Runtime::entry(WindowId window) const {
  auto found = entries_.find(window);
  return found == entries_.end() ? nullptr : &found->second;
}

bool Runtime::isOpen(WindowId window) const {
  const Entry* e = entry(window);
  return e && e->live;
}

bool Runtime::isPendingDestruction(WindowId window) const {
  const Entry* e = entry(window);
  return e && e->live && e->pending;
}

const ControlStore* Runtime::store(WindowId window) const {
  const Entry* e = entry(window);
  return e ? &e->store : nullptr;
}

LiveWindow* Runtime::liveWindow(WindowId window) const {
  const Entry* e = entry(window);
  return e ? e->live.get() : nullptr;
}

bool Runtime::anyOpen() const {
  for (const auto& [id, e] : entries_) {
    if (e.live) return true;
  }
  return false;
}

// ---- Loading ----------------------------------------------------------------

bool Runtime::loadWindow(WindowId window, std::optional<WindowId> parent, bool modal) {
  Entry* e = entry(window);
  if (!e) return false;
  if (e->live) {
    if (!e->pending) {
      auto& native = e->live->window().native();
      if (native.showState() == platform::ShowState::Minimized) {
        native.setShowState(platform::ShowState::Normal);
      } else {
        native.activate();
      }
      return true;
    }
    carryOutDestruction(*e);
  }

  if (!build(*e, parent, modal)) return false;
  const unsigned generation = e->generation;
  auto stillLoaded = [e, generation] { return e->live && e->generation == generation; };
  const UnitId windowUnit = e->store.windowUnitId();

  raiseEvent(window, windowUnit, Event::Created, {});
  for (Event reported : {Event::Moved, Event::Resized}) {
    if (!stillLoaded()) return true;
    raiseEvent(window, windowUnit, reported, {});
  }
  if (!stillLoaded()) return true;

  if (e->store.units().front().visible) e->live->window().showInStartState();

  if (modal) {
    disableOthersFor(*e);
    auto loop = platform_.createLoop();
    e->modalLoop = loop.get();
    loop->run();
    if (e->modalLoop == loop.get()) e->modalLoop = nullptr;
  }
  return true;
}

bool Runtime::build(Entry& e, std::optional<WindowId> parent, bool modal) {
  e.store.save();
  platform::NativeWindow* owner = nullptr;
  if (modal) {
    owner = hiddenOwner_.get();
  } else if (parent) {
    if (LiveWindow* parentWindow = liveWindow(*parent)) owner = &parentWindow->window().native();
  }
  auto live = std::make_unique<LiveWindow>(*this, e.store.windowId());
  bool built = false;
  try {
    built = live->build(e.store, owner);
  } catch (...) {
    live->retire();
    e.store.restore();
    throw;
  }
  if (!built) {
    live->retire();
    e.store.restore();
    return false;
  }
  e.live = std::move(live);
  e.pending = false;
  e.modal = modal;
  ++e.generation;
  return true;
}

void Runtime::disableOthersFor(Entry& modal) {
  for (auto& [id, other] : entries_) {
    if (&other == &modal || !other.live) continue;
    auto& native = other.live->window().native();
    modal.disabledByModal.emplace_back(id, native.inputEnabled());
    native.setInputEnabled(false);
  }
}

// ---- Destruction ------------------------------------------------------------

void Runtime::destroyWindow(WindowId window, bool atOnce) {
  Entry* e = entry(window);
  if (!e || !e->live) return;
  e->pending = true;
  if (atOnce) {
    carryOutDestruction(*e);
    return;
  }
  const unsigned generation = e->generation;
  std::weak_ptr<bool> alive = alive_;
  platform_.postTask([this, alive, window, generation] {
    if (alive.expired() || !*alive.lock()) return;
    Entry* target = entry(window);
    if (target && target->live && target->pending && target->generation == generation) {
      carryOutDestruction(*target);
    }
  });
}

void Runtime::carryOutDestruction(Entry& e) {
  e.pending = false;
  if (e.modal) {
    for (auto [id, wasEnabled] : e.disabledByModal) {
      if (LiveWindow* other = liveWindow(id)) other->window().native().setInputEnabled(wasEnabled);
    }
    e.disabledByModal.clear();
    e.modal = false;
  }
  auto live = std::move(e.live);
  live->retire();
  retired_.push_back(std::move(live));
  if (dispatchDepth_ == 0) scheduleFree();

  e.store.restore();
  if (e.modalLoop) {
    e.modalLoop->quit();
    e.modalLoop = nullptr;
  }
  if (!anyOpen() && loopEntered_ && mainLoop_) mainLoop_->quit();
}

void Runtime::endDispatch() {
  if (--dispatchDepth_ == 0 && !retired_.empty()) scheduleFree();
}

// A retired window may be the one whose input is being handled, so it is
// freed from a posted task, and only while no dispatch is under way.
void Runtime::scheduleFree() {
  std::weak_ptr<bool> alive = alive_;
  platform_.postTask([this, alive] {
    if (alive.expired() || !*alive.lock()) return;
    if (dispatchDepth_ == 0) retired_.clear();
  });
}

// ---- Loop and events --------------------------------------------------------

void Runtime::runEventLoop() {
  mainLoop_ = platform_.createLoop();
  loopEntered_ = true;
  if (!anyOpen()) return;
  mainLoop_->run();
}

void Runtime::raiseEvent(WindowId window, UnitId unit, Event event, const EventArgs& args) {
  const Entry* e = entry(window);
  if (!e) return;
  const Unit* u = e->store.find(unit);
  if (!u) return;
  // A handler may put the store back to its saved copy, so the names are
  // copied before any handler runs.
  std::vector<std::string> names;
  for (const auto& binding : u->bindings) {
    if (binding.event == event) names.push_back(binding.handler);
  }
  for (const auto& name : names) handlers_.at(name)(args);
}

void Runtime::showPage(WindowId window, UnitId container) {
  Entry* e = entry(window);
  if (!e || !e->live) return;
  if (LiveControl* c = e->live->control(container)) e->live->showPage(*c, e->store);
}

bool Runtime::setOutlineFromPicture(WindowId window, const ByteSet& picture, std::optional<Colour> transparent) {
  LiveWindow* live = liveWindow(window);
  return live && live->window().setOutlineFromPicture(picture, transparent);
}

void Runtime::windowActivated(WindowId window) {
  for (auto& [id, e] : entries_) {
    if (!e.live || !e.modal) continue;
    for (auto [disabled, wasEnabled] : e.disabledByModal) {
      if (disabled == window) {
        e.live->window().native().activate();
        return;
      }
    }
  }
}

}  // namespace korvane::model
