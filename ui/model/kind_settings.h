#pragma once

// The kind settings of each kind, as data. The kinds in ui/components read
// them when they create their live controls.

#include "ui/model/value.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace korvane::model {

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool buttonFace = false;  // the platform's button-face colour instead of red, green, blue

  static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, false}; }
  static constexpr Colour platformButtonFace() { return {0, 0, 0, true}; }
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class PictureMode { TopLeft, Tiled, Centred, Stretched };

enum class WindowState : std::int32_t { Normal = 0, Centred = 1, Minimized = 2, Maximized = 3 };

// Empty face: the platform's default GUI font.
struct FontSetting {
  QString face;
  int height = 0;  // character height in pixels
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  enum class Charset { Default, GB2312 } charset = Charset::Default;

  bool isDefault() const { return face.isEmpty(); }
  friend bool operator==(const FontSetting&, const FontSetting&) = default;
};

enum class BorderStyle { None };

struct WindowSettings {
  QString title;
  BorderStyle border = BorderStyle::None;
  ByteSet facePicture;
  PictureMode pictureMode = PictureMode::TopLeft;
  Colour background = Colour::platformButtonFace();
  WindowState startState = WindowState::Normal;
  bool escCloses = false;
  bool inTaskbar = true;
  bool moveAnywhere = false;
  ByteSet icon;  // empty: the application icon
};

struct PicBoxSettings {
  bool border = false;
  Colour background = Colour::platformButtonFace();
  PictureMode pictureMode = PictureMode::Stretched;  // stretched or centred
  ByteSet picture;
};

struct PicBtnSettings {
  enum class ButtonType { Push } buttonType = ButtonType::Push;
  std::optional<Colour> transparentColour;
  ByteSet normalPicture, hoverPicture, pressedPicture, disabledPicture;
};

enum class HorizontalAlignment { Left, Centred, Right };
enum class VerticalAlignment { Top, Centred, Bottom };

struct TransLabelSettings {
  enum class Effect { None } effect = Effect::None;
  Colour textColour = Colour::rgb(0, 0, 0);
  HorizontalAlignment horizontal = HorizontalAlignment::Left;
  VerticalAlignment vertical = VerticalAlignment::Centred;
  bool wordWrap = false;
  FontSetting font;
  QString text;
};

struct HyperLinkerSettings {
  enum class LinkKind { Email, Web } linkKind = LinkKind::Web;
  Colour normalColour = Colour::rgb(255, 128, 0);
  Colour visitedColour = Colour::rgb(128, 0, 0);
  Colour hoverColour = Colour::rgb(255, 0, 0);
  Colour background = Colour::rgb(0, 0, 0);
  bool border = false;
  FontSetting font;
  QString caption;
  QString emailAddress;
  QString webAddress;
};

struct PageSetting {
  QString caption;
  bool visible = true;
  bool enabled = true;
  std::optional<Colour> colour;
  QString tip;
};

struct PageControlSettings {
  bool hideHeaders = true;
  int initialPage = 0;
  Colour pageColour = Colour::rgb(0, 0, 0);
  Colour frameColour = Colour::rgb(0, 0, 0);
  Colour background = Colour::rgb(0, 0, 0);
  std::vector<PageSetting> pages;
};

using KindSettings = std::variant<WindowSettings, PicBoxSettings, PicBtnSettings, TransLabelSettings,
                                  HyperLinkerSettings, PageControlSettings>;

}  // namespace korvane::model
