#pragma once

// The names by which window definitions bind events to handlers. The program
// registers a handler under each name; a binding to an unregistered name is an
// error that shows at the first event.

#include <string>
#include <string_view>

namespace korvane::model::handler_names {

inline constexpr std::string_view created = "created";
inline constexpr std::string_view nextPage = "next_page";
inline constexpr std::string_view previousPage = "previous_page";
inline constexpr std::string_view contact = "contact";
inline constexpr std::string_view minimise = "minimise";
inline constexpr std::string_view close = "close";
inline constexpr std::string_view obtain = "obtain";
inline constexpr std::string_view noticeClose = "notice_close";

// The six category handlers differ only in the page they show.
inline std::string category(int page) { return "category_" + std::to_string(page); }

}  // namespace korvane::model::handler_names
