#include "assets/decode_picture.h"

#include <QtEndian>

#include <gif_lib.h>
#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstring>
#include <memory>

namespace korvane::assets {

namespace {

// Hostile headers can claim up to 65535 × 65535 pixels; refuse anything far
// beyond what a desktop picture needs before allocating for it.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;
constexpr long kMaxDecoderMemory = 256L * 1024 * 1024;

bool acceptableSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

// ---------------------------------------------------------------- JPEG

// Writes straight into QImage::Format_RGB32 memory with the alpha byte set.
constexpr J_COLOR_SPACE kRgb32ColorSpace =
    Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Warnings that mean the entropy-coded data is damaged. libjpeg would carry
// on and fill the damage with grey; such a picture counts as undecodable.
bool isCorruptDataWarning(int code) {
  switch (code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_TOO_MUCH_DATA:
      return true;
    default:
      return false;
  }
}

struct JpegErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  bool corrupt = false;
};

[[noreturn]] void jpegErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void jpegEmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && isCorruptDataWarning(cinfo->err->msg_code)) {
    reinterpret_cast<JpegErrorManager*>(cinfo->err)->corrupt = true;
  }
}

void jpegOutputMessage(j_common_ptr) {}

void sourceInit(j_decompress_ptr) {}

// The whole file is in the buffer from the start, so asking for more means
// the data ended early.
boolean sourceFill(j_decompress_ptr cinfo) {
  ERREXIT(cinfo, JERR_INPUT_EOF);
  return FALSE;
}

void sourceSkip(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* src = cinfo->src;
  if (static_cast<unsigned long>(count) > src->bytes_in_buffer) {
    ERREXIT(cinfo, JERR_INPUT_EOF);
  }
  src->next_input_byte += count;
  src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void sourceTerm(j_decompress_ptr) {}

// Everything libjpeg may jump out of lives here, on the heap, so the jump
// skips no destructor and leaves no local in an indeterminate state.
struct JpegJob {
  jpeg_decompress_struct cinfo{};
  JpegErrorManager errors{};
  jpeg_source_mgr source{};
  bool created = false;
  QImage image;
  std::array<JSAMPROW, 16> rows{};

  ~JpegJob() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }

  // Returns false for a picture that is not acceptable; library errors
  // leave through the error manager's jump instead.
  bool run(const std::uint8_t* data, std::size_t size) {
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jpegErrorExit;
    errors.pub.emit_message = jpegEmitMessage;
    errors.pub.output_message = jpegOutputMessage;
    jpeg_create_decompress(&cinfo);
    created = true;
    cinfo.mem->max_memory_to_use = kMaxDecoderMemory;

    source.next_input_byte = data;
    source.bytes_in_buffer = size;
    source.init_source = sourceInit;
    source.fill_input_buffer = sourceFill;
    source.skip_input_data = sourceSkip;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = sourceTerm;
    cinfo.src = &source;

    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    if (!acceptableSize(cinfo.image_width, cinfo.image_height)) return false;
    cinfo.out_color_space = kRgb32ColorSpace;

    jpeg_start_decompress(&cinfo);
    const auto width = static_cast<int>(cinfo.output_width);
    const auto height = static_cast<int>(cinfo.output_height);
    if (cinfo.output_components != 4 || !acceptableSize(width, height)) return false;
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) return false;

    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    while (cinfo.output_scanline < cinfo.output_height) {
      const JDIMENSION first = cinfo.output_scanline;
      const JDIMENSION count = std::min<JDIMENSION>(
          static_cast<JDIMENSION>(rows.size()), cinfo.output_height - first);
      for (JDIMENSION i = 0; i < count; ++i) {
        rows[i] = bits + static_cast<qsizetype>(first + i) * stride;
      }
      if (jpeg_read_scanlines(&cinfo, rows.data(), count) == 0) return false;
    }
    jpeg_finish_decompress(&cinfo);
    return !errors.corrupt;
  }
};

std::optional<QImage> decodeJpeg(const std::uint8_t* data, std::size_t size) {
  const auto job = std::make_unique<JpegJob>();
  if (setjmp(job->errors.jump) != 0) return std::nullopt;
  if (!job->run(data, size)) return std::nullopt;
  return std::move(job->image);
}

// ---------------------------------------------------------------- GIF

struct GifSource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

int gifRead(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  if (length <= 0) return 0;
  const std::size_t count =
      std::min(static_cast<std::size_t>(length), source->size - source->position);
  std::memcpy(buffer, source->data + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

QRgb opaque(const GifColorType& colour) {
  return qRgb(colour.Red, colour.Green, colour.Blue);
}

// Reads the pixels of the image whose descriptor was just read into a
// picture of the logical screen's size.
std::optional<QImage> decodeGifImage(GifFileType* gif) {
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* palette = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (palette == nullptr || palette->Colors == nullptr || palette->ColorCount <= 0) {
    return std::nullopt;
  }

  // Where the first image leaves the screen uncovered, show the screen's
  // background colour, as GIF viewers do before the first image.
  QRgb background = qRgb(0, 0, 0);
  if (gif->SColorMap && gif->SBackGroundColor >= 0 &&
      gif->SBackGroundColor < gif->SColorMap->ColorCount) {
    background = opaque(gif->SColorMap->Colors[gif->SBackGroundColor]);
  }

  const int screenWidth = gif->SWidth;
  const int screenHeight = gif->SHeight;
  const int width = desc.Width;
  const int height = desc.Height;
  QImage image(screenWidth, screenHeight, QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  // Filling the whole screen first would cost a second pass over every pixel
  // when the image covers it anyway.
  if (desc.Left != 0 || desc.Top != 0 || width < screenWidth || height < screenHeight) {
    image.fill(background);
  }

  // Entries past the end of the colour table stay 0, so their alpha is 0
  // where every colour's is 255: an index that names no colour shows in the
  // alpha of the AND of all pixels written.
  std::array<QRgb, 256> lookup{};
  const int colourCount = std::min(palette->ColorCount, 256);
  for (int i = 0; i < colourCount; ++i) lookup[i] = opaque(palette->Colors[i]);

  if (width <= 0 || height <= 0) return image;
  std::unique_ptr<GifPixelType[]> line(new GifPixelType[static_cast<std::size_t>(width)]);

  // Interlaced images arrive in four passes: every 8th row from 0, every 8th
  // from 4, every 4th from 2, then every 2nd from 1.
  static constexpr int kPassStart[] = {0, 4, 2, 1};
  static constexpr int kPassStep[] = {8, 8, 4, 2};
  const int passes = desc.Interlace ? 4 : 1;

  const int firstColumn = std::clamp(desc.Left, 0, screenWidth);
  const int endColumn = static_cast<int>(
      std::clamp<std::int64_t>(std::int64_t{desc.Left} + width, 0, screenWidth));
  const int visibleColumns = std::max(endColumn - firstColumn, 0);
  const GifPixelType* const visible = line.get() + std::max(firstColumn - desc.Left, 0);
  QRgb written = ~QRgb{0};

  for (int pass = 0; pass < passes; ++pass) {
    const int start = desc.Interlace ? kPassStart[pass] : 0;
    const int step = desc.Interlace ? kPassStep[pass] : 1;
    for (int row = start; row < height; row += step) {
      if (DGifGetLine(gif, line.get(), width) == GIF_ERROR) return std::nullopt;
      const std::int64_t y = std::int64_t{desc.Top} + row;
      if (y < 0 || y >= screenHeight) continue;
      auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y))) + firstColumn;
      for (int x = 0; x < visibleColumns; ++x) {
        const QRgb colour = lookup[visible[x]];
        out[x] = colour;
        written &= colour;
      }
    }
  }
  if (qAlpha(written) != 255) return std::nullopt;
  return image;
}

std::optional<QImage> decodeGif(const std::uint8_t* data, std::size_t size) {
  GifSource source{data, size, 0};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, gifRead, &error));
  if (!gif) return std::nullopt;
  if (!acceptableSize(gif->SWidth, gif->SHeight)) return std::nullopt;

  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return std::nullopt;
    switch (record) {
      case IMAGE_DESC_RECORD_TYPE:
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return std::nullopt;
        return decodeGifImage(gif.get());
      case EXTENSION_RECORD_TYPE: {
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) return std::nullopt;
        while (block != nullptr) {
          if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) return std::nullopt;
        }
        break;
      }
      default:
        // The trailer, or anything else, before the first image.
        return std::nullopt;
    }
  }
}

bool startsWith(const std::uint8_t* data, const char* prefix, std::size_t length) {
  return std::memcmp(data, prefix, length) == 0;
}

}  // namespace

std::optional<QImage> decodePicture(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size <= 5) return std::nullopt;
  if (data[0] == 0xFF && data[1] == 0xD8) return decodeJpeg(data, size);
  if (startsWith(data, "GIF87a", 6) || startsWith(data, "GIF89a", 6)) {
    return decodeGif(data, size);
  }
  return std::nullopt;
}

std::optional<QImage> decodePicture(const QByteArray& bytes) {
  return decodePicture(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                       static_cast<std::size_t>(bytes.size()));
}

}  // namespace korvane::assets
