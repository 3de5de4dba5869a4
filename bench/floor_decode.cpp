#include "bench/floor_decode.h"

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace korvane::bench {

bool floorDecodeJpeg(const std::uint8_t* data, std::size_t size, PlainPicture& out) {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  jpeg_start_decompress(&cinfo);

  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  const std::size_t stride = std::size_t{cinfo.output_width} * cinfo.output_components;
  out.samples.reset(new std::uint8_t[stride * cinfo.output_height]);

  std::array<JSAMPROW, 16> rows{};
  while (cinfo.output_scanline < cinfo.output_height) {
    const JDIMENSION first = cinfo.output_scanline;
    const JDIMENSION count =
        std::min<JDIMENSION>(static_cast<JDIMENSION>(rows.size()), cinfo.output_height - first);
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = out.samples.get() + (first + i) * stride;
    jpeg_read_scanlines(&cinfo, rows.data(), count);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

namespace {

struct MemorySource {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

int readMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<MemorySource*>(gif->UserData);
  const std::size_t count = std::min<std::size_t>(length, source->size - source->position);
  std::memcpy(buffer, source->data + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

}  // namespace

bool floorDecodeGif(const std::uint8_t* data, std::size_t size, PlainPicture& out) {
  MemorySource source{data, size, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, readMemory, &error);
  if (gif == nullptr) return false;
  bool done = false;
  while (!done) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) break;
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      DGifGetExtension(gif, &code, &block);
      while (block != nullptr) DGifGetExtensionNext(gif, &block);
    } else if (record == IMAGE_DESC_RECORD_TYPE) {
      DGifGetImageDesc(gif);
      out.width = gif->SWidth;
      out.height = gif->SHeight;
      const int count = gif->Image.Width * gif->Image.Height;
      out.samples.reset(new std::uint8_t[static_cast<std::size_t>(count)]);
      done = DGifGetLine(gif, out.samples.get(), count) == GIF_OK;
      break;
    } else {
      break;
    }
  }
  DGifCloseFile(gif, &error);
  return done;
}

bool floorDecode(const std::uint8_t* data, std::size_t size, PlainPicture& out) {
  if (size > 2 && data[0] == 0xFF && data[1] == 0xD8) return floorDecodeJpeg(data, size, out);
  return floorDecodeGif(data, size, out);
}

}  // namespace korvane::bench
