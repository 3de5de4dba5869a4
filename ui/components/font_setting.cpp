#include "ui/components/font_setting.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

namespace korvane::components {
namespace {

bool isSongFace(const QString& face) {
  static const QStringList songFaces = {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("新宋体"),
                                        QStringLiteral("NSimSun")};
  return songFaces.contains(face, Qt::CaseInsensitive);
}

const QStringList& songFallbacks() {
  static const QStringList families = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                                       QStringLiteral("AR PL UMing CN")};
  return families;
}

// The first installed face of the setting's own face and its fallbacks,
// followed by the others, so that missing glyphs still come from a Song face.
QStringList familiesFor(const QString& face) {
  if (!isSongFace(face)) return {face};
  QStringList candidates = {face, QStringLiteral("SimSun")};
  candidates += songFallbacks();
  QStringList installed;
  for (const QString& family : candidates) {
    if (QFontDatabase::hasFamily(family) && !installed.contains(family)) installed.append(family);
  }
  if (installed.isEmpty()) installed = songFallbacks();
  return installed;
}

}  // namespace

QFont toQFont(const model::FontSetting& setting) {
  if (setting.isDefault()) return QGuiApplication::font();
  QFont font;
  font.setFamilies(familiesFor(setting.face));
  if (isSongFace(setting.face)) font.setStyleHint(QFont::Serif);
  if (setting.height > 0) font.setPixelSize(setting.height);
  // A weight of 0 leaves the choice to the font system: normal.
  const int weight = setting.weight > 0 ? std::clamp(setting.weight, 1, 1000) : 400;
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(setting.italic);
  font.setUnderline(setting.underline);
  font.setStrikeOut(setting.strikeOut);
  return font;
}

}  // namespace korvane::components
