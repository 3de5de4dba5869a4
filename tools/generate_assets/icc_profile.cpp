#include "icc_profile.h"

#include "byte_writer.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane::generate {

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector multiply(const Matrix& m, const Vector& v) {
  Vector out{};
  for (int r = 0; r < 3; ++r) out[r] = m[r][0] * v[0] + m[r][1] * v[1] + m[r][2] * v[2];
  return out;
}

Matrix multiply(const Matrix& a, const Matrix& b) {
  Matrix out{};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      for (int k = 0; k < 3; ++k) out[r][c] += a[r][k] * b[k][c];
  return out;
}

Matrix inverse(const Matrix& m) {
  const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                     m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                     m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  Matrix out{};
  out[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  out[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  out[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  out[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
  out[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  out[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  out[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
  out[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  out[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
  return out;
}

Vector xyzFromChromaticity(double x, double y) { return {x / y, 1.0, (1.0 - x - y) / y}; }

// Columns are the XYZ of the red, green and blue primaries under D65.
Matrix srgbToXyzD65() {
  const Vector r = xyzFromChromaticity(0.64, 0.33);
  const Vector g = xyzFromChromaticity(0.30, 0.60);
  const Vector b = xyzFromChromaticity(0.15, 0.06);
  const Matrix primaries{{{r[0], g[0], b[0]}, {r[1], g[1], b[1]}, {r[2], g[2], b[2]}}};
  const Vector scale = multiply(inverse(primaries), xyzFromChromaticity(0.3127, 0.3290));
  Matrix out{};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) out[row][col] = primaries[row][col] * scale[col];
  return out;
}

// Bradford adaptation from the sRGB white to the profile connection space's D50.
Matrix adaptD65ToD50() {
  const Matrix bradford{{{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
  const Vector source = multiply(bradford, xyzFromChromaticity(0.3127, 0.3290));
  const Vector target = multiply(bradford, Vector{0.9642, 1.0, 0.8249});
  Matrix gain{};
  for (int i = 0; i < 3; ++i) gain[i][i] = target[i] / source[i];
  return multiply(inverse(bradford), multiply(gain, bradford));
}

struct Tag {
  const char* signature;
  QByteArray data;
};

QByteArray xyzTag(const Vector& xyz) {
  ByteWriter w(true);
  w.text("XYZ ");
  w.zeros(4);
  for (double v : xyz) w.s15Fixed16(v);
  return w.bytes();
}

QByteArray textDescriptionTag(std::string_view text) {
  ByteWriter w(true);
  w.text("desc");
  w.zeros(4);
  w.u32(static_cast<std::uint32_t>(text.size() + 1));
  w.text(text);
  w.u8(0);
  w.u32(0);  // Unicode language code
  w.u32(0);  // Unicode character count
  w.u16(0);  // ScriptCode code
  w.u8(0);   // ScriptCode character count
  w.zeros(67);
  return w.bytes();
}

QByteArray textTag(std::string_view text) {
  ByteWriter w(true);
  w.text("text");
  w.zeros(4);
  w.text(text);
  w.u8(0);
  return w.bytes();
}

QByteArray signatureTag(const char* value) {
  ByteWriter w(true);
  w.text("sig ");
  w.zeros(4);
  w.text(value);
  return w.bytes();
}

QByteArray transferCurveTag(int entries) {
  ByteWriter w(true);
  w.text("curv");
  w.zeros(4);
  w.u32(static_cast<std::uint32_t>(entries));
  for (int i = 0; i < entries; ++i) {
    const double v = static_cast<double>(i) / (entries - 1);
    const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    w.u16(static_cast<std::uint32_t>(std::lround(linear * 65535.0)));
  }
  return w.bytes();
}

qsizetype padded(qsizetype size) { return (size + 3) / 4 * 4; }

}  // namespace

QByteArray srgbProfile() {
  const Matrix toD50 = multiply(adaptD65ToD50(), srgbToXyzD65());
  const Vector d65 = xyzFromChromaticity(0.3127, 0.3290);

  std::vector<Tag> tags{
      {"desc", textDescriptionTag("sRGB IEC61966-2.1")},
      {"cprt", textTag("No copyright. Built by the Korvane asset generator from IEC 61966-2.1.")},
      {"wtpt", xyzTag(d65)},
      {"bkpt", xyzTag({0.0, 0.0, 0.0})},
      {"rXYZ", xyzTag({toD50[0][0], toD50[1][0], toD50[2][0]})},
      {"gXYZ", xyzTag({toD50[0][1], toD50[1][1], toD50[2][1]})},
      {"bXYZ", xyzTag({toD50[0][2], toD50[1][2], toD50[2][2]})},
      {"lumi", xyzTag({80.0 * d65[0], 80.0, 80.0 * d65[2]})},
      {"tech", signatureTag("vidm")},
      {"dmnd", textDescriptionTag("Korvane")},
      {"dmdd", textDescriptionTag("IEC 61966-2.1 Default RGB colour space - sRGB")},
  };
  // The three channels share one transfer curve, stored last; its length
  // takes up whatever the fixed size leaves over.
  constexpr int kTagCount = 14;
  qsizetype offset = 128 + 4 + 12 * kTagCount;
  std::vector<qsizetype> offsets;
  for (const Tag& tag : tags) {
    offsets.push_back(offset);
    offset += padded(tag.data.size());
  }
  const qsizetype curveSize = kSrgbProfileSize - offset;
  if (curveSize < 12 + 2 * 256 || (curveSize - 12) % 2 != 0) {
    throw std::logic_error("sRGB profile tags do not fit the profile size");
  }
  const QByteArray curve = transferCurveTag(static_cast<int>((curveSize - 12) / 2));

  ByteWriter w(true);
  w.u32(kSrgbProfileSize);
  w.zeros(4);              // preferred CMM
  w.u32(0x02100000);       // version 2.1
  w.text("mntr");
  w.text("RGB ");
  w.text("XYZ ");
  for (int part : {2024, 1, 1, 0, 0, 0}) w.u16(static_cast<std::uint32_t>(part));
  w.text("acsp");
  w.zeros(4 + 4 + 4 + 4 + 8);  // platform, flags, manufacturer, model, attributes
  w.u32(0);                    // perceptual rendering intent
  w.s15Fixed16(0.9642);
  w.s15Fixed16(1.0);
  w.s15Fixed16(0.8249);
  w.zeros(4 + 44);  // creator, reserved
  w.u32(kTagCount);
  for (std::size_t i = 0; i < tags.size(); ++i) {
    w.text(tags[i].signature);
    w.u32(static_cast<std::uint32_t>(offsets[i]));
    w.u32(static_cast<std::uint32_t>(tags[i].data.size()));
  }
  for (const char* channel : {"rTRC", "gTRC", "bTRC"}) {
    w.text(channel);
    w.u32(static_cast<std::uint32_t>(offset));
    w.u32(static_cast<std::uint32_t>(curve.size()));
  }
  for (const Tag& tag : tags) {
    w.raw(tag.data);
    w.padTo(4);
  }
  w.raw(curve);
  if (w.size() != kSrgbProfileSize) throw std::logic_error("sRGB profile has the wrong size");
  return w.bytes();
}

}  // namespace korvane::generate
