#include "artwork.h"

#include "shape_mask_gif.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::generate {

const std::array<LabelledCell, 3> kTitleCells{{
    {QRect(669, 8, 77, 16), "联系客服"},
    {QRect(762, 8, 48, 16), "最小化"},
    {QRect(824, 8, 48, 16), "关闭"},
}};

const std::array<LabelledCell, 8> kNavigationCells{{
    {QRect(8, 670, 87, 19), "男服饰"},
    {QRect(106, 670, 104, 19), "女服饰"},
    {QRect(224, 670, 90, 19), "道具"},
    {QRect(331, 670, 90, 19), "徽章"},
    {QRect(437, 670, 95, 19), "宠物"},
    {QRect(545, 670, 95, 19), "上一页"},
    {QRect(657, 670, 87, 19), "下一页"},
    {QRect(764, 670, 106, 19), "记录"},
}};

const std::array<QRect, 2> kHyperlinkBoxes{{QRect(65, 10, 224, 16), QRect(367, 10, 224, 16)}};
const QRect kPageContainer(7, 46, 856, 608);
const QRect kNoticeButton(136, 148, 109, 33);

namespace {

const QColor kStripGrey(90, 90, 90);
const QColor kGoldLine(138, 109, 47);
const QColor kGoldText(243, 217, 139);

QFont uiFont(int pixelSize, int weight = QFont::Normal) {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont emojiFont(int pixelSize) {
  QFont font(QStringLiteral("Noto Color Emoji"));
  font.setPixelSize(pixelSize);
  return font;
}

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

void prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Text centred in a rectangle with a soft dark drop shadow, shrunk until it
// fits the rectangle's width.
void drawCaption(QPainter& p, const QRectF& rect, const QString& caption, int pixelSize, int weight,
                 const QColor& colour, Qt::Alignment alignment = Qt::AlignCenter) {
  QFont font = uiFont(pixelSize, weight);
  while (pixelSize > 8 && QFontMetricsF(font).horizontalAdvance(caption) > rect.width() - 4) {
    font = uiFont(--pixelSize, weight);
  }
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 170));
  p.drawText(rect.translated(1, 1), alignment, caption);
  p.setPen(colour);
  p.drawText(rect, alignment, caption);
}

// A bevelled cell whose outermost pixels are exactly `rect`.
void drawCell(QPainter& p, const QRect& rect, const QColor& top, const QColor& bottom,
              const QColor& border, const QString& caption, int pixelSize, const QColor& ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(0.5, top.darker(115));
  fill.setColorAt(1, bottom);
  p.fillRect(rect, fill);
  p.setPen(top.lighter(135));
  p.drawLine(rect.left() + 1, rect.top() + 1, rect.right() - 1, rect.top() + 1);
  p.setPen(border);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  p.restore();
  drawCaption(p, QRectF(rect).adjusted(0, -1, 0, 0), caption, pixelSize, QFont::Bold, ink);
}

void drawDiamond(QPainter& p, QPointF centre, double radius, const QColor& light, const QColor& dark) {
  QPainterPath path;
  path.moveTo(centre.x(), centre.y() - radius);
  path.lineTo(centre.x() + radius * 0.8, centre.y());
  path.lineTo(centre.x(), centre.y() + radius);
  path.lineTo(centre.x() - radius * 0.8, centre.y());
  path.closeSubpath();
  QLinearGradient g(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
  g.setColorAt(0, light);
  g.setColorAt(1, dark);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(path);
  // A lit upper-left facet.
  QPainterPath facet;
  facet.moveTo(centre.x(), centre.y() - radius);
  facet.lineTo(centre.x(), centre.y());
  facet.lineTo(centre.x() - radius * 0.8, centre.y());
  facet.closeSubpath();
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawPath(facet);
}

// The program's emblem: a blue gem on a dark round badge.
void drawEmblem(QPainter& p, QPointF centre, double radius) {
  QRadialGradient body(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
  body.setColorAt(0, QColor(58, 64, 78));
  body.setColorAt(1, QColor(14, 16, 21));
  QLinearGradient rim(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
  rim.setColorAt(0, QColor(150, 170, 205));
  rim.setColorAt(0.5, QColor(58, 68, 90));
  rim.setColorAt(1, QColor(120, 140, 180));
  p.setPen(Qt::NoPen);
  p.setBrush(rim);
  p.drawEllipse(centre, radius, radius);
  const double inner = radius * 0.86;
  p.setBrush(body);
  p.drawEllipse(centre, inner, inner);
  QRadialGradient glow(centre, inner);
  glow.setColorAt(0, QColor(60, 140, 255, 120));
  glow.setColorAt(1, QColor(60, 140, 255, 0));
  p.setBrush(glow);
  p.drawEllipse(centre, inner, inner);
  drawDiamond(p, centre, radius * 0.62, QColor(140, 200, 255), QColor(24, 84, 200));
}

// ---------------------------------------------------------------- skin

void paintTitleStrip(QPainter& p) {
  QLinearGradient strip(0, 0, 0, 46);
  strip.setColorAt(0, QColor(54, 57, 65));
  strip.setColorAt(0.55, QColor(32, 34, 40));
  strip.setColorAt(1, QColor(20, 21, 25));
  p.fillRect(QRect(0, 0, 880, 46), strip);
  p.fillRect(QRect(0, 0, 880, 1), QColor(84, 88, 98));
  p.fillRect(QRect(0, 43, 880, 1), kGoldLine);
  p.fillRect(QRect(0, 44, 880, 2), QColor(8, 8, 10));

  drawEmblem(p, QPointF(30, 21), 16);

  // The hyperlink boxes paint their own grey; the plaques around them are
  // the same flat grey, on whole 8 × 8 blocks, so it survives compression.
  for (const QRect plaque : {QRect(56, 3, 248, 35), QRect(352, 3, 256, 35)}) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 15, 18));
    p.drawRoundedRect(plaque, 5, 5);
    p.setBrush(kStripGrey);
    p.drawRoundedRect(plaque.adjusted(1, 1, -1, -1), 4, 4);
    p.fillRect(QRect(plaque.left() + 4, plaque.top() + 1, plaque.width() - 8, 1), QColor(130, 130, 130));
    p.fillRect(QRect(plaque.left() + 4, plaque.bottom() - 1, plaque.width() - 8, 1), QColor(62, 62, 62));
    p.restore();
  }
  drawDiamond(p, QPointF(328, 20), 7, QColor(246, 214, 130), QColor(150, 104, 36));

  drawCell(p, kTitleCells[0].rect, QColor(76, 84, 100), QColor(40, 45, 55), QColor(112, 124, 148),
           text(kTitleCells[0].caption), 11, QColor(236, 230, 210));
  drawCell(p, kTitleCells[1].rect, QColor(76, 84, 100), QColor(40, 45, 55), QColor(112, 124, 148),
           text(kTitleCells[1].caption), 11, QColor(236, 230, 210));
  drawCell(p, kTitleCells[2].rect, QColor(140, 48, 48), QColor(78, 20, 22), QColor(190, 84, 84),
           text(kTitleCells[2].caption), 11, QColor(255, 236, 230));
}

void paintSideFrames(QPainter& p) {
  for (const QRect side : {QRect(0, 46, 7, 609), QRect(863, 46, 17, 609)}) {
    QLinearGradient g(side.topLeft(), side.topRight());
    g.setColorAt(0, QColor(40, 42, 48));
    g.setColorAt(1, QColor(22, 23, 27));
    p.fillRect(side, g);
  }
  p.fillRect(QRect(0, 46, 1, 609), QColor(70, 74, 84));
  p.fillRect(QRect(879, 46, 1, 609), QColor(10, 10, 12));
  // A thin gilt line around the page container.
  p.setPen(QColor(92, 74, 34));
  p.drawRect(QRectF(kPageContainer).adjusted(-0.5, -0.5, 0.5, 0.5));
}

void paintNavigationBar(QPainter& p) {
  const QRect bar(0, 655, 880, 65);
  QLinearGradient g(bar.topLeft(), bar.bottomLeft());
  g.setColorAt(0, QColor(46, 49, 57));
  g.setColorAt(0.4, QColor(30, 32, 37));
  g.setColorAt(1, QColor(14, 15, 18));
  p.fillRect(bar, g);
  p.fillRect(QRect(0, 655, 880, 1), QColor(8, 8, 10));
  p.fillRect(QRect(0, 656, 880, 1), kGoldLine);
  p.fillRect(QRect(0, 657, 880, 1), QColor(70, 74, 84));

  // A recessed rail under the cells.
  p.save();
  p.setPen(QColor(70, 74, 84));
  p.setBrush(QColor(16, 17, 21));
  p.drawRoundedRect(QRectF(3.5, 665.5, 873, 28), 4, 4);
  p.restore();

  for (std::size_t i = 0; i < kNavigationCells.size(); ++i) {
    const LabelledCell& cell = kNavigationCells[i];
    const bool paging = i == 5 || i == 6;
    const bool records = i == 7;
    const QColor top = paging ? QColor(52, 96, 168) : records ? QColor(92, 76, 52) : QColor(72, 78, 92);
    const QColor bottom = paging ? QColor(24, 48, 92) : records ? QColor(48, 38, 24) : QColor(36, 40, 48);
    const QColor border = paging ? QColor(96, 148, 228) : records ? QColor(170, 138, 80) : QColor(118, 128, 150);
    drawCell(p, cell.rect, top, bottom, border, text(cell.caption), 13,
             paging ? QColor(240, 246, 255) : kGoldText);
  }
  // Small arrows beside the paging captions.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 222, 255));
  const QRect prev = kNavigationCells[5].rect;
  const QRect next = kNavigationCells[6].rect;
  const double cy = prev.top() + prev.height() / 2.0;
  p.drawPolygon(QPolygonF({QPointF(prev.left() + 10, cy), QPointF(prev.left() + 16, cy - 4.5),
                           QPointF(prev.left() + 16, cy + 4.5)}));
  p.drawPolygon(QPolygonF({QPointF(next.right() - 9, cy), QPointF(next.right() - 15, cy - 4.5),
                           QPointF(next.right() - 15, cy + 4.5)}));
  // A divider between the categories and the page turning.
  p.fillRect(QRect(538, 669, 1, 21), QColor(8, 8, 10));
  p.fillRect(QRect(539, 669, 1, 21), QColor(80, 84, 96));

  drawCaption(p, QRectF(0, 697, 880, 18),
              text("抵制不良游戏，拒绝盗版游戏。注意自我保护，谨防受骗上当。"
                   "适度游戏益脑，沉迷游戏伤身。合理安排时间，享受健康生活。"),
              11, QFont::Normal, QColor(128, 132, 142));
}

// ---------------------------------------------------------------- cards

QColor rarityColour(Rarity rarity) {
  switch (rarity) {
    case Rarity::Fine: return QColor(86, 186, 98);
    case Rarity::Rare: return QColor(64, 142, 255);
    case Rarity::Epic: return QColor(172, 96, 255);
    case Rarity::Legend: return QColor(255, 168, 48);
  }
  return Qt::white;
}

const char* rarityName(Rarity rarity) {
  switch (rarity) {
    case Rarity::Fine: return "精良";
    case Rarity::Rare: return "稀有";
    case Rarity::Epic: return "史诗";
    case Rarity::Legend: return "传说";
  }
  return "";
}

QImage emojiPicture(const char* emoji, int size, const Tint& tint) {
  const int canvas = size * 3 / 2;
  QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    prepare(p);
    p.setFont(emojiFont(size));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, canvas, canvas), Qt::AlignCenter, text(emoji));
  }
  if (tint.hue == 0 && tint.saturation == 1.0 && tint.value == 1.0) return image;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) == 0) continue;
      QColor c = QColor::fromRgba(qUnpremultiply(line[x]));
      float h = 0, s = 0, v = 0, a = 0;
      c.getHsvF(&h, &s, &v, &a);
      if (h < 0) h = 0;
      h = static_cast<float>(std::fmod(h + tint.hue / 360.0 + 1.0, 1.0));
      s = static_cast<float>(std::clamp(s * tint.saturation, 0.0, 1.0));
      v = static_cast<float>(std::clamp(v * tint.value, 0.0, 1.0));
      c.setHsvF(h, s, v, a);
      line[x] = qPremultiply(c.rgba());
    }
  }
  return image;
}

void drawSparkle(QPainter& p, QPointF at, double radius, const QColor& colour) {
  QPainterPath star;
  star.moveTo(at.x(), at.y() - radius);
  star.quadTo(at, QPointF(at.x() + radius, at.y()));
  star.quadTo(at, QPointF(at.x(), at.y() + radius));
  star.quadTo(at, QPointF(at.x() - radius, at.y()));
  star.quadTo(at, QPointF(at.x(), at.y() - radius));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
}

QPainterPath polygonPath(QPointF centre, double radius, int corners, double turn,
                         double innerRadius = 0) {
  QPainterPath path;
  const int points = innerRadius > 0 ? corners * 2 : corners;
  for (int i = 0; i < points; ++i) {
    const double r = innerRadius > 0 && i % 2 == 1 ? innerRadius : radius;
    const double angle = turn + 2 * std::numbers::pi * i / points;
    const QPointF point(centre.x() + r * std::sin(angle), centre.y() - r * std::cos(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

QPainterPath shieldPath(QPointF c, double r) {
  QPainterPath path;
  path.moveTo(c.x(), c.y() - r);
  path.cubicTo(c.x() + r * 0.45, c.y() - r * 0.78, c.x() + r * 0.82, c.y() - r * 0.86, c.x() + r * 0.9,
               c.y() - r * 0.8);
  path.cubicTo(c.x() + r * 0.95, c.y() + r * 0.1, c.x() + r * 0.6, c.y() + r * 0.7, c.x(), c.y() + r);
  path.cubicTo(c.x() - r * 0.6, c.y() + r * 0.7, c.x() - r * 0.95, c.y() + r * 0.1, c.x() - r * 0.9,
               c.y() - r * 0.8);
  path.cubicTo(c.x() - r * 0.82, c.y() - r * 0.86, c.x() - r * 0.45, c.y() - r * 0.78, c.x(), c.y() - r);
  path.closeSubpath();
  return path;
}

void drawWings(QPainter& p, QPointF c, double r, const QColor& metal) {
  for (int side : {-1, 1}) {
    for (int feather = 0; feather < 4; ++feather) {
      const double spread = 0.35 + feather * 0.28;
      QPainterPath wing;
      const QPointF root(c.x() + side * r * 0.55, c.y() - r * 0.05 + feather * r * 0.12);
      const QPointF tip(c.x() + side * r * (1.55 - feather * 0.12), c.y() - r * (0.75 - spread));
      wing.moveTo(root);
      wing.quadTo(QPointF(c.x() + side * r * 1.2, c.y() - r * (0.9 - spread)), tip);
      wing.quadTo(QPointF(c.x() + side * r * 1.0, c.y() + r * (spread * 0.2)),
                  QPointF(root.x(), root.y() + r * 0.3));
      wing.closeSubpath();
      QLinearGradient g(root, tip);
      g.setColorAt(0, metal.lighter(150 - feather * 12));
      g.setColorAt(1, metal.darker(170 + feather * 15));
      p.setPen(QPen(metal.darker(260), 0.8));
      p.setBrush(g);
      p.drawPath(wing);
    }
  }
}

void drawRibbons(QPainter& p, QPointF c, double r, const QColor& colour) {
  for (int side : {-1, 1}) {
    QPainterPath tail;
    tail.moveTo(c.x() + side * r * 0.15, c.y() + r * 0.5);
    tail.lineTo(c.x() + side * r * 0.65, c.y() + r * 0.35);
    tail.lineTo(c.x() + side * r * 0.8, c.y() + r * 1.25);
    tail.lineTo(c.x() + side * r * 0.55, c.y() + r * 1.08);
    tail.lineTo(c.x() + side * r * 0.38, c.y() + r * 1.3);
    tail.closeSubpath();
    QLinearGradient g(c.x(), c.y() + r * 0.4, c.x(), c.y() + r * 1.3);
    g.setColorAt(0, colour.lighter(120));
    g.setColorAt(1, colour.darker(180));
    p.setPen(QPen(colour.darker(250), 0.8));
    p.setBrush(g);
    p.drawPath(tail);
  }
}

void drawBadge(QPainter& p, QPointF c, double r, const Item& item) {
  const QColor metal = item.metal;
  p.save();
  if (item.badge == BadgeShape::Wings) drawWings(p, c, r, metal);
  if (item.badge == BadgeShape::Round || item.badge == BadgeShape::Star) {
    drawRibbons(p, c, r, rarityColour(item.rarity).darker(120));
  }

  QPainterPath outer;
  QPainterPath inner;
  switch (item.badge) {
    case BadgeShape::Shield:
      outer = shieldPath(c, r);
      inner = shieldPath(QPointF(c.x(), c.y() - r * 0.02), r * 0.78);
      break;
    case BadgeShape::Hexagon:
      outer = polygonPath(c, r, 6, 0);
      inner = polygonPath(c, r * 0.78, 6, 0);
      break;
    case BadgeShape::Star:
      outer = polygonPath(c, r * 1.08, 8, 0, r * 0.82);
      inner.addEllipse(c, r * 0.66, r * 0.66);
      break;
    default:
      outer.addEllipse(c, r * 0.92, r * 0.92);
      inner.addEllipse(c, r * 0.72, r * 0.72);
      break;
  }
  QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
  rim.setColorAt(0, metal.lighter(165));
  rim.setColorAt(0.45, metal);
  rim.setColorAt(1, metal.darker(220));
  p.setPen(QPen(metal.darker(300), 1.2));
  p.setBrush(rim);
  p.drawPath(outer);
  QRadialGradient plate(c - QPointF(r * 0.25, r * 0.3), r);
  plate.setColorAt(0, metal.darker(190));
  plate.setColorAt(1, metal.darker(420));
  p.setPen(QPen(metal.lighter(130), 1.0));
  p.setBrush(plate);
  p.drawPath(inner);
  // A sheen across the upper half.
  QLinearGradient sheen(c.x(), c.y() - r, c.x(), c.y());
  sheen.setColorAt(0, QColor(255, 255, 255, 70));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  QPainterPath upper;
  upper.addRect(QRectF(c.x() - r, c.y() - r, 2 * r, r));
  p.drawPath(inner.intersected(upper));

  const int symbol = static_cast<int>(r * 0.9);
  const QImage picture = emojiPicture(item.emoji, symbol, item.tint);
  p.drawImage(QPointF(c.x() - picture.width() / 2.0, c.y() - picture.height() / 2.0 + 1), picture);
  p.restore();
}

void drawCard(QPainter& p, const QRectF& card, const Item& item) {
  const QColor accent = rarityColour(item.rarity);
  p.save();

  // Frame and body.
  QLinearGradient frame(card.topLeft(), card.bottomRight());
  frame.setColorAt(0, accent.lighter(115));
  frame.setColorAt(0.5, accent.darker(190));
  frame.setColorAt(1, accent.darker(120));
  p.setPen(Qt::NoPen);
  p.setBrush(frame);
  p.drawRoundedRect(card, 8, 8);
  const QRectF body = card.adjusted(2, 2, -2, -2);
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, QColor(30, 35, 50));
  fill.setColorAt(1, QColor(11, 12, 18));
  p.setBrush(fill);
  p.drawRoundedRect(body, 6, 6);

  // Caption band.
  const QRectF band(body.left(), body.top(), body.width(), 26);
  QPainterPath bandPath;
  bandPath.addRoundedRect(body, 6, 6);
  bandPath = bandPath.intersected(QPainterPath([&] {
    QPainterPath r;
    r.addRect(band);
    return r;
  }()));
  QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
  QColor bandTop = accent.darker(230);
  QColor bandBottom = accent.darker(400);
  bandFill.setColorAt(0, bandTop);
  bandFill.setColorAt(1, bandBottom);
  p.setBrush(bandFill);
  p.drawPath(bandPath);
  p.fillRect(QRectF(band.left() + 6, band.bottom(), band.width() - 12, 1), accent.darker(140));
  drawCaption(p, band.adjusted(4, 0, -4, 0), text(item.name), 15, QFont::Bold, QColor(255, 242, 212));

  // Picture area.
  const bool noted = item.note != nullptr;
  const QRectF area(body.left(), band.bottom() + 1, body.width(),
                    body.bottom() - band.bottom() - 1 - (noted ? 24 : 0));
  const QPointF centre = area.center() + QPointF(0, noted ? 1 : -2);
  QRadialGradient glow(centre, area.height() * 0.62);
  QColor glowColour = accent;
  glowColour.setAlpha(115);
  glow.setColorAt(0, glowColour);
  glowColour.setAlpha(30);
  glow.setColorAt(0.6, glowColour);
  glowColour.setAlpha(0);
  glow.setColorAt(1, glowColour);
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, area.height() * 0.62, area.height() * 0.62);

  // Soft floor shadow.
  QRadialGradient floor(QPointF(centre.x(), area.bottom() - 8), 40);
  floor.setColorAt(0, QColor(0, 0, 0, 150));
  floor.setColorAt(1, QColor(0, 0, 0, 0));
  p.save();
  p.translate(centre.x(), area.bottom() - 8);
  p.scale(1.0, 0.22);
  p.translate(-centre.x(), -(area.bottom() - 8));
  p.setBrush(floor);
  p.drawEllipse(QPointF(centre.x(), area.bottom() - 8), 40, 40);
  p.restore();

  if (item.badge != BadgeShape::None) {
    drawBadge(p, centre, noted ? 38 : 42, item);
  } else {
    const int size = noted ? 70 : 80;
    const QImage picture = emojiPicture(item.emoji, size, item.tint);
    p.drawImage(QPointF(centre.x() - picture.width() / 2.0, centre.y() - picture.height() / 2.0), picture);
  }

  if (item.rarity == Rarity::Legend || item.rarity == Rarity::Epic) {
    const QColor spark = item.rarity == Rarity::Legend ? QColor(255, 226, 140) : QColor(220, 190, 255);
    drawSparkle(p, centre + QPointF(-50, -28), 6, spark);
    drawSparkle(p, centre + QPointF(46, 20), 4.5, spark);
    if (item.rarity == Rarity::Legend) drawSparkle(p, centre + QPointF(52, -24), 3.5, spark);
  }

  // Rarity tag in the picture area's top-right corner.
  const QRectF tag(body.right() - 36, area.top() + 5, 32, 15);
  QColor tagFill = accent.darker(160);
  tagFill.setAlpha(220);
  p.setPen(QPen(accent, 1));
  p.setBrush(tagFill);
  p.drawRoundedRect(tag, 7, 7);
  drawCaption(p, tag.adjusted(0, -1, 0, 0), text(rarityName(item.rarity)), 10, QFont::Bold, Qt::white);

  if (noted) {
    const QRectF noteBand(body.left(), body.bottom() - 24, body.width(), 24);
    QPainterPath notePath;
    notePath.addRoundedRect(body, 6, 6);
    QPainterPath noteRect;
    noteRect.addRect(noteBand);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 7, 10, 225));
    p.drawPath(notePath.intersected(noteRect));
    p.fillRect(QRectF(noteBand.left() + 6, noteBand.top(), noteBand.width() - 12, 1), accent.darker(170));
    drawCaption(p, noteBand, text(item.note), 12, QFont::Medium, QColor(255, 206, 96));
  }
  p.restore();
}

}  // namespace

QImage paintSkin() {
  QImage skin(880, 720, QImage::Format_RGB32);
  skin.fill(Qt::black);
  QPainter p(&skin);
  prepare(p);
  paintTitleStrip(p);
  paintSideFrames(p);
  p.fillRect(kPageContainer, Qt::black);
  paintNavigationBar(p);
  p.end();
  return skin;
}

QImage paintNoticeFace() {
  QImage face(392, 200, QImage::Format_RGB32);
  face.fill(QColor(24, 25, 28));
  QPainter p(&face);
  prepare(p);

  const QRect panel(1, 1, 390, 196);
  QLinearGradient body(panel.topLeft(), panel.bottomLeft());
  body.setColorAt(0, QColor(112, 115, 122));
  body.setColorAt(1, QColor(84, 87, 94));
  p.fillRect(panel, body);

  const QRect heading(1, 1, 390, 30);
  QLinearGradient headingFill(heading.topLeft(), heading.bottomLeft());
  headingFill.setColorAt(0, QColor(66, 74, 92));
  headingFill.setColorAt(1, QColor(40, 45, 58));
  p.fillRect(heading, headingFill);
  p.fillRect(QRect(1, 31, 390, 1), kGoldLine);
  p.fillRect(QRect(1, 32, 390, 1), QColor(60, 62, 68));
  drawDiamond(p, QPointF(18, 16), 7, QColor(140, 200, 255), QColor(24, 84, 200));
  drawCaption(p, QRectF(32, 1, 200, 30), text("系统提示"), 15, QFont::Bold, kGoldText,
              Qt::AlignLeft | Qt::AlignVCenter);

  drawCaption(p, QRectF(10, 52, 372, 26), text("该服饰为限定商品，暂时无法直接获取。"), 15, QFont::Medium,
              QColor(250, 250, 250));
  drawCaption(p, QRectF(10, 84, 372, 26), text("请留意官网活动公告，敬请期待！"), 15, QFont::Medium,
              QColor(250, 250, 250));
  p.fillRect(QRect(24, 128, 344, 1), QColor(70, 72, 78));
  p.fillRect(QRect(24, 129, 344, 1), QColor(132, 135, 142));

  // The OK button; its outermost pixels are exactly kNoticeButton.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient button(kNoticeButton.topLeft(), kNoticeButton.bottomLeft());
  button.setColorAt(0, QColor(88, 146, 232));
  button.setColorAt(0.5, QColor(52, 104, 196));
  button.setColorAt(1, QColor(32, 72, 150));
  p.fillRect(kNoticeButton, button);
  p.setPen(QColor(16, 30, 60));
  p.drawRect(kNoticeButton.adjusted(0, 0, -1, -1));
  p.setPen(QColor(150, 196, 255));
  p.drawLine(kNoticeButton.left() + 1, kNoticeButton.top() + 1, kNoticeButton.right() - 1,
             kNoticeButton.top() + 1);
  p.restore();
  drawCaption(p, QRectF(kNoticeButton).adjusted(0, -1, 0, 0), text("确定"), 16, QFont::Bold, Qt::white);

  // The frame's bottom edge lies on the two last rows; the window shows only
  // the first of them.
  p.fillRect(QRect(0, 198, 392, 2), QColor(24, 25, 28));
  p.end();
  return face;
}

QImage paintButtonFace(bool highlighted) {
  QImage face(106, 22, QImage::Format_RGB32);
  face.fill(Qt::black);
  QPainter p(&face);
  prepare(p);
  const QRectF shape(0.5, 0.5, 105, 21);
  QLinearGradient fill(shape.topLeft(), shape.bottomLeft());
  if (highlighted) {
    fill.setColorAt(0, QColor(104, 170, 255));
    fill.setColorAt(0.5, QColor(56, 128, 240));
    fill.setColorAt(1, QColor(36, 92, 200));
    p.setPen(QPen(QColor(170, 210, 255), 1));
  } else {
    fill.setColorAt(0, QColor(46, 84, 150));
    fill.setColorAt(0.5, QColor(28, 58, 114));
    fill.setColorAt(1, QColor(18, 38, 80));
    p.setPen(QPen(QColor(72, 112, 184), 1));
  }
  p.setBrush(fill);
  p.drawRoundedRect(shape, 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, highlighted ? 60 : 34));
  p.drawRoundedRect(QRectF(3, 2, 100, 8), 4, 4);
  drawCaption(p, QRectF(0, -1, 106, 22), text("获取"), 13, QFont::Bold,
              highlighted ? QColor(255, 255, 255) : QColor(222, 234, 255));
  p.end();
  return face;
}

QImage paintStrip(const StripArt& strip) {
  QImage image(862, 168, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  prepare(p);
  // Each card stands centred over its obtain button. The page container
  // shows only the strip's first 854 columns, so the last card ends there.
  static constexpr int kCentres[] = {82, 259, 427, 603, 779};
  for (std::size_t i = 0; i < strip.items.size(); ++i) {
    drawCard(p, QRectF(kCentres[i] - 74, 3, 148, 162), strip.items[i]);
  }
  p.end();
  return image;
}

QImage paintIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  prepare(p);
  const double r = size / 2.0;
  drawEmblem(p, QPointF(r, r), r - std::max(0.5, size / 32.0));
  p.end();
  return icon;
}

QImage outlineIndices(const QImage& skin) {
  QImage indices(skin.size(), QImage::Format_Grayscale8);
  const int levels = kMaskLightest - kMaskBlack;
  for (int y = 0; y < skin.height(); ++y) {
    uchar* out = indices.scanLine(y);
    for (int x = 0; x < skin.width(); ++x) {
      const int grey = kPageContainer.contains(x, y) ? 0 : qGray(skin.pixel(x, y));
      out[x] = static_cast<uchar>(kMaskBlack + (grey * levels + 127) / 255);
    }
  }
  return indices;
}

}  // namespace korvane::generate
