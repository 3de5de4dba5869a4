#include "icon_file.h"

#include "byte_writer.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace korvane::generate {

namespace {

constexpr int kOpaqueAlpha = 128;

struct Box {
  std::vector<QRgb> colours;  // with repeats, so the cut follows the weight

  int range(int shift) const {
    int lo = 255, hi = 0;
    for (QRgb c : colours) {
      const int v = (c >> shift) & 0xFF;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    return hi - lo;
  }
};

QRgb average(const std::vector<QRgb>& colours) {
  long r = 0, g = 0, b = 0;
  for (QRgb c : colours) {
    r += qRed(c);
    g += qGreen(c);
    b += qBlue(c);
  }
  const long n = static_cast<long>(colours.size());
  return qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
              static_cast<int>((b + n / 2) / n));
}

// Median cut over the opaque pixels; entry 0 stays black for the
// transparent pixels, which the AND mask hides.
std::vector<QRgb> cutPalette(const QImage& image, int size) {
  Box all;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) >= kOpaqueAlpha) all.colours.push_back(c | 0xFF000000u);
    }
  std::vector<Box> boxes;
  if (!all.colours.empty()) boxes.push_back(all);
  while (static_cast<int>(boxes.size()) < size - 1) {
    int best = -1, bestRange = 0, bestShift = 0;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
      for (int shift : {16, 8, 0}) {
        const int r = boxes[i].range(shift);
        if (r > bestRange) {
          best = i;
          bestRange = r;
          bestShift = shift;
        }
      }
    }
    if (best < 0) break;
    std::vector<QRgb> colours = std::move(boxes[best].colours);
    std::stable_sort(colours.begin(), colours.end(), [bestShift](QRgb a, QRgb b) {
      return ((a >> bestShift) & 0xFF) < ((b >> bestShift) & 0xFF);
    });
    auto middle = colours.begin() + static_cast<long>(colours.size() / 2);
    // Keep equal values on one side so both halves stay non-empty and distinct.
    const int pivot = (*middle >> bestShift) & 0xFF;
    middle = std::find_if(colours.begin(), colours.end(),
                          [&](QRgb c) { return static_cast<int>((c >> bestShift) & 0xFF) >= pivot; });
    if (middle == colours.begin()) {
      middle = std::find_if(colours.begin(), colours.end(),
                            [&](QRgb c) { return static_cast<int>((c >> bestShift) & 0xFF) > pivot; });
    }
    boxes[best].colours.assign(colours.begin(), middle);
    boxes.push_back(Box{std::vector<QRgb>(middle, colours.end())});
  }
  std::vector<QRgb> palette{qRgb(0, 0, 0)};
  for (const Box& box : boxes) palette.push_back(average(box.colours));
  palette.resize(static_cast<std::size_t>(size), qRgb(0, 0, 0));
  return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb c) {
  int best = 1;
  long bestDistance = -1;
  for (int i = 1; i < static_cast<int>(palette.size()); ++i) {
    const long dr = qRed(palette[i]) - qRed(c);
    const long dg = qGreen(palette[i]) - qGreen(c);
    const long db = qBlue(palette[i]) - qBlue(c);
    const long distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

QByteArray dib(const QImage& source, int bits) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int size = image.width();
  const int colourCount = bits == 32 ? 0 : 1 << bits;
  const int rowBytes = (size * bits + 31) / 32 * 4;
  const int maskRowBytes = (size + 31) / 32 * 4;

  ByteWriter w(false);
  w.u32(40);
  w.u32(static_cast<std::uint32_t>(size));
  w.u32(static_cast<std::uint32_t>(size * 2));  // colour rows, then mask rows
  w.u16(1);
  w.u16(static_cast<std::uint32_t>(bits));
  w.u32(0);  // uncompressed
  w.u32(static_cast<std::uint32_t>((rowBytes + maskRowBytes) * size));
  w.u32(0);
  w.u32(0);
  w.u32(static_cast<std::uint32_t>(colourCount));
  w.u32(0);

  std::vector<QRgb> palette;
  if (colourCount > 0) {
    palette = cutPalette(image, colourCount);
    for (QRgb c : palette) {
      w.u8(static_cast<std::uint32_t>(qBlue(c)));
      w.u8(static_cast<std::uint32_t>(qGreen(c)));
      w.u8(static_cast<std::uint32_t>(qRed(c)));
      w.u8(0);
    }
  }
  std::map<QRgb, int> lookup;
  for (int y = size - 1; y >= 0; --y) {
    const qsizetype start = w.size();
    int nibble = -1;
    for (int x = 0; x < size; ++x) {
      const QRgb c = image.pixel(x, y);
      if (bits == 32) {
        w.u32(c);
        continue;
      }
      int index = 0;
      if (qAlpha(c) >= kOpaqueAlpha) {
        const QRgb key = c | 0xFF000000u;
        auto found = lookup.find(key);
        if (found == lookup.end()) found = lookup.emplace(key, nearest(palette, key)).first;
        index = found->second;
      }
      if (bits == 8) {
        w.u8(static_cast<std::uint32_t>(index));
      } else if (nibble < 0) {
        nibble = index;
      } else {
        w.u8(static_cast<std::uint32_t>((nibble << 4) | index));
        nibble = -1;
      }
    }
    if (nibble >= 0) w.u8(static_cast<std::uint32_t>(nibble << 4));
    while (w.size() - start < rowBytes) w.u8(0);
  }
  for (int y = size - 1; y >= 0; --y) {
    const qsizetype start = w.size();
    for (int x0 = 0; x0 < size; x0 += 8) {
      std::uint32_t byte = 0;
      for (int bit = 0; bit < 8 && x0 + bit < size; ++bit) {
        if (qAlpha(image.pixel(x0 + bit, y)) < kOpaqueAlpha) byte |= 0x80u >> bit;
      }
      w.u8(byte);
    }
    while (w.size() - start < maskRowBytes) w.u8(0);
  }
  return w.bytes();
}

}  // namespace

QByteArray iconFile(const std::vector<IconImage>& images) {
  std::vector<QByteArray> bodies;
  for (const IconImage& entry : images) {
    if (entry.image.width() != entry.image.height() || entry.image.width() > 256) {
      throw std::invalid_argument("icon images must be square and at most 256 pixels");
    }
    bodies.push_back(dib(entry.image, entry.bitsPerPixel));
  }
  ByteWriter w(false);
  w.u16(0);
  w.u16(1);  // icon
  w.u16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].image.width();
    const int bits = images[i].bitsPerPixel;
    w.u8(static_cast<std::uint32_t>(size == 256 ? 0 : size));
    w.u8(static_cast<std::uint32_t>(size == 256 ? 0 : size));
    w.u8(bits == 4 ? 16 : 0);
    w.u8(0);
    w.u16(1);
    w.u16(static_cast<std::uint32_t>(bits));
    w.u32(static_cast<std::uint32_t>(bodies[i].size()));
    w.u32(offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const QByteArray& body : bodies) w.raw(body);
  return w.bytes();
}

}  // namespace korvane::generate
