#include "app/navigation.h"

#include "app/build_constants.h"
#include "ui/model/handler_names.h"
#include "ui/model/main_window_ids.h"
#include "ui/model/notice_window_definition.h"

namespace korvane::app {

using namespace model;

void registerNavigation(HandlerRegistry& handlers, Runtime& runtime) {
  for (int page = 0; page < kPageCount; ++page) {
    handlers.add(handler_names::category(page), [&runtime, page](const EventArgs&) {
      runtime.writeProperty(kMainWindowId, kPageContainerId, Role::CurrentPage, std::int32_t{page});
    });
  }
  handlers.add(handler_names::contact, [&runtime](const EventArgs&) { runtime.platform().openUrl(chatUrl()); });
  handlers.add(handler_names::minimise, [&runtime](const EventArgs&) {
    runtime.writeProperty(kMainWindowId, kMainWindowUnitId, Role::WindowState, std::int32_t{2});
  });
  handlers.add(handler_names::close, [&runtime](const EventArgs&) { runtime.destroyWindow(kMainWindowId); });
  handlers.add(handler_names::obtain,
               [&runtime](const EventArgs&) { runtime.loadWindow(kNoticeWindowId, std::nullopt, true); });
  handlers.add(handler_names::noticeClose,
               [&runtime](const EventArgs&) { runtime.destroyWindow(kNoticeWindowId); });
}

}  // namespace korvane::app
