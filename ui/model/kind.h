#pragma once

#include <optional>
#include <string_view>

namespace korvane::model {

enum class Kind { Window, PicBox, PicBtn, TransLabel, HyperLinker, PageControl };

constexpr std::string_view kindName(Kind kind) {
  switch (kind) {
    case Kind::Window: return "window";
    case Kind::PicBox: return "PicBox";
    case Kind::PicBtn: return "PicBtn";
    case Kind::TransLabel: return "TransLabel";
    case Kind::HyperLinker: return "HyperLinker";
    case Kind::PageControl: return "PageControl";
  }
  return "?";
}

// A press on a drag surface moves the whole window when the window allows it.
constexpr bool isDragSurface(Kind kind) { return kind == Kind::PicBox; }
constexpr bool isPageContainer(Kind kind) { return kind == Kind::PageControl; }

}  // namespace korvane::model
