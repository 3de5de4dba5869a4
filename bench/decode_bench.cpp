// Our picture decoding against the bare libjpeg-turbo and giflib loops, one
// figure per class of stored picture.

#include "assets/asset_catalog.h"
#include "assets/decode_picture.h"
#include "bench/floor_decode.h"
#include "bench/paired_figures.h"

#include <QByteArray>

#include <string>
#include <string_view>
#include <vector>

namespace {

using korvane::assets::assetBytes;
using korvane::assets::assetNames;

struct PictureClass {
  std::string figure;
  std::vector<QByteArray> pictures;
};

std::vector<QByteArray> bytesOf(const std::vector<std::string_view>& names) {
  std::vector<QByteArray> all;
  for (std::string_view name : names) all.push_back(assetBytes(name));
  return all;
}

std::vector<PictureClass> pictureClasses() {
  std::vector<std::string_view> strips;
  for (std::string_view name : assetNames()) {
    if (name.find("_p") != std::string_view::npos) strips.push_back(name);
  }
  return {
      {"decode strip (each of " + std::to_string(strips.size()) + ")", bytesOf(strips)},
      {"decode button face (each of 2)", bytesOf({"button_face_1", "button_face_2"})},
      {"decode skin", bytesOf({"skin"})},
      {"decode notice_face", bytesOf({"notice_face"})},
      {"decode shape_mask", bytesOf({"shape_mask"})},
  };
}

void registerClass(const PictureClass& pictureClass) {
  const std::vector<QByteArray> pictures = pictureClass.pictures;
  const double count = static_cast<double>(pictures.size());

  benchmark::RegisterBenchmark(
      korvane::bench::oursName(pictureClass.figure).c_str(),
      [pictures, count](benchmark::State& state) {
        for (auto _ : state) {
          for (const QByteArray& bytes : pictures) {
            auto picture = korvane::assets::decodePicture(bytes);
            if (!picture) state.SkipWithError("a stored picture did not decode");
            benchmark::DoNotOptimize(picture);
          }
        }
        state.counters[korvane::bench::kPerIteration] = count;
      })
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);

  benchmark::RegisterBenchmark(
      korvane::bench::floorName(pictureClass.figure).c_str(),
      [pictures, count](benchmark::State& state) {
        for (auto _ : state) {
          for (const QByteArray& bytes : pictures) {
            korvane::bench::PlainPicture picture;
            if (!korvane::bench::floorDecode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             static_cast<std::size_t>(bytes.size()), picture)) {
              state.SkipWithError("a stored picture did not decode");
            }
            benchmark::DoNotOptimize(picture.samples.get());
          }
        }
        state.counters[korvane::bench::kPerIteration] = count;
      })
      ->UseRealTime()
      ->Unit(benchmark::kMicrosecond);

  korvane::bench::setTarget(pictureClass.figure, 1.1);
}

}  // namespace

int main(int argc, char** argv) {
  for (const PictureClass& pictureClass : pictureClasses()) registerClass(pictureClass);
  return korvane::bench::runPairedFigures(argc, argv);
}
