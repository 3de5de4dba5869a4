#include "stored_jpeg.h"

#include "byte_writer.h"
#include "icc_profile.h"

#include <cstdio>
#include <jpeglib.h>

#include <stdexcept>
#include <vector>

namespace korvane::generate {

namespace {

struct CompressOptions {
  int quality;
  bool restartEveryRow;
  bool adobeMarker;
};

QByteArray compress(const QImage& source, const CompressOptions& options) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);

  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, JCS_YCbCr);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  jpeg_set_quality(&cinfo, options.quality, TRUE);
  cinfo.write_JFIF_header = FALSE;
  cinfo.write_Adobe_marker = options.adobeMarker ? TRUE : FALSE;
  cinfo.optimize_coding = TRUE;
  cinfo.restart_in_rows = options.restartEveryRow ? 1 : 0;

  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    auto* row = const_cast<JSAMPLE*>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

struct Segment {
  unsigned char marker;
  QByteArray payload;  // without the marker and the length
};

QByteArray segmentBytes(unsigned char marker, const QByteArray& payload) {
  if (payload.size() + 2 > 0xFFFF) throw std::length_error("JPEG segment too long");
  ByteWriter w(true);
  w.u8(0xFF);
  w.u8(marker);
  w.u16(static_cast<std::uint32_t>(payload.size() + 2));
  w.raw(payload);
  return w.bytes();
}

// A TIFF image file directory under construction; values longer than four
// bytes go to a data area laid out right after the directory.
class Directory {
 public:
  void shortValue(std::uint16_t tag, std::uint16_t value) {
    ByteWriter w(true);
    w.u16(value);
    w.zeros(2);
    entries_.push_back({tag, 3, 1, w.bytes(), {}});
  }
  void longValue(std::uint16_t tag, std::uint32_t value) {
    ByteWriter w(true);
    w.u32(value);
    entries_.push_back({tag, 4, 1, w.bytes(), {}});
  }
  void rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
    ByteWriter w(true);
    w.u32(numerator);
    w.u32(denominator);
    entries_.push_back({tag, 5, 1, {}, w.bytes()});
  }
  void ascii(std::uint16_t tag, std::string_view text) {
    QByteArray value(text.data(), static_cast<qsizetype>(text.size()));
    value.append('\0');
    const auto count = static_cast<std::uint32_t>(value.size());
    if (value.size() <= 4) {
      value.append(4 - value.size(), '\0');
      entries_.push_back({tag, 2, count, value, {}});
    } else {
      entries_.push_back({tag, 2, count, {}, value});
    }
  }
  void undefined4(std::uint16_t tag, std::string_view text) {
    entries_.push_back({tag, 7, 4, QByteArray(text.data(), 4), {}});
  }
  // A LONG whose value is an offset, filled in once the layout is known.
  std::size_t placeholder(std::uint16_t tag) {
    longValue(tag, 0);
    return entries_.size() - 1;
  }
  void setLong(std::size_t entry, std::uint32_t value) {
    ByteWriter w(true);
    w.u32(value);
    entries_[entry].inlineValue = w.bytes();
  }

  qsizetype size() const {
    qsizetype total = 2 + 12 * static_cast<qsizetype>(entries_.size()) + 4;
    for (const Entry& e : entries_) total += (e.external.size() + 1) / 2 * 2;
    return total;
  }

  void write(ByteWriter& w, qsizetype start, std::uint32_t next) const {
    w.u16(static_cast<std::uint32_t>(entries_.size()));
    qsizetype data = start + 2 + 12 * static_cast<qsizetype>(entries_.size()) + 4;
    for (const Entry& e : entries_) {
      w.u16(e.tag);
      w.u16(e.type);
      w.u32(e.count);
      if (e.external.isEmpty()) {
        w.raw(e.inlineValue);
      } else {
        w.u32(static_cast<std::uint32_t>(data));
        data += (e.external.size() + 1) / 2 * 2;
      }
    }
    w.u32(next);
    for (const Entry& e : entries_) {
      if (e.external.isEmpty()) continue;
      w.raw(e.external);
      if (e.external.size() % 2 != 0) w.u8(0);
    }
  }

 private:
  struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    QByteArray inlineValue;
    QByteArray external;
  };
  std::vector<Entry> entries_;
};

constexpr const char* kSoftware = "Korvane asset generator";
constexpr const char* kDateTime = "2024:01:01 00:00:00";

QByteArray exifPayload(QSize size, const QByteArray& thumbnail) {
  Directory primary;
  primary.shortValue(0x0112, 1);  // orientation: top-left
  primary.rational(0x011A, 72, 1);
  primary.rational(0x011B, 72, 1);
  primary.shortValue(0x0128, 2);  // inches
  primary.ascii(0x0131, kSoftware);
  primary.ascii(0x0132, kDateTime);
  const std::size_t exifPointer = primary.placeholder(0x8769);

  Directory exif;
  exif.undefined4(0x9000, "0231");
  exif.shortValue(0xA001, 1);  // sRGB
  exif.longValue(0xA002, static_cast<std::uint32_t>(size.width()));
  exif.longValue(0xA003, static_cast<std::uint32_t>(size.height()));

  Directory thumb;
  thumb.shortValue(0x0103, 6);  // JPEG compression
  thumb.rational(0x011A, 72, 1);
  thumb.rational(0x011B, 72, 1);
  thumb.shortValue(0x0128, 2);
  const std::size_t thumbOffset = thumb.placeholder(0x0201);
  thumb.longValue(0x0202, static_cast<std::uint32_t>(thumbnail.size()));

  const qsizetype primaryAt = 8;
  const qsizetype exifAt = primaryAt + primary.size();
  const qsizetype thumbDirAt = exifAt + exif.size();
  const qsizetype thumbDataAt = thumbDirAt + thumb.size();
  primary.setLong(exifPointer, static_cast<std::uint32_t>(exifAt));
  thumb.setLong(thumbOffset, static_cast<std::uint32_t>(thumbDataAt));

  ByteWriter w(true);
  w.text("MM");
  w.u16(42);
  w.u32(static_cast<std::uint32_t>(primaryAt));
  primary.write(w, primaryAt, static_cast<std::uint32_t>(thumbDirAt));
  exif.write(w, exifAt, 0);
  thumb.write(w, thumbDirAt, 0);
  w.raw(thumbnail);

  QByteArray payload("Exif\0\0", 6);
  payload.append(w.bytes());
  return payload;
}

void imageResource(ByteWriter& w, std::uint16_t id, const QByteArray& data) {
  w.text("8BIM");
  w.u16(id);
  w.u16(0);  // empty name, padded to an even length
  w.u32(static_cast<std::uint32_t>(data.size()));
  w.raw(data);
  if (data.size() % 2 != 0) w.u8(0);
}

QByteArray photoshopPayload(QSize thumbnailSize, const QByteArray& thumbnail) {
  ByteWriter resolution(true);
  for (int axis = 0; axis < 2; ++axis) {
    resolution.u32(72u << 16);  // pixels per inch, 16.16 fixed point
    resolution.u16(1);          // shown in pixels per inch
    resolution.u16(1);          // widths and heights shown in inches
  }

  const auto width = static_cast<std::uint32_t>(thumbnailSize.width());
  const auto height = static_cast<std::uint32_t>(thumbnailSize.height());
  const std::uint32_t rowBytes = (width * 24 + 31) / 32 * 4;
  ByteWriter thumb(true);
  thumb.u32(1);  // JPEG
  thumb.u32(width);
  thumb.u32(height);
  thumb.u32(rowBytes);
  thumb.u32(rowBytes * height);
  thumb.u32(static_cast<std::uint32_t>(thumbnail.size()));
  thumb.u16(24);
  thumb.u16(1);
  thumb.raw(thumbnail);

  ByteWriter w(true);
  w.text(std::string_view("Photoshop 3.0\0", 14));
  imageResource(w, 0x03ED, resolution.bytes());
  imageResource(w, 0x040C, thumb.bytes());
  return w.bytes();
}

QByteArray xmpPayload(QSize size, const QString& title) {
  const QString packet = QStringLiteral(
                             "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                             "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                             " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                             "  <rdf:Description rdf:about=\"\"\n"
                             "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
                             "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                             "    xmlns:tiff=\"http://ns.adobe.com/tiff/1.0/\"\n"
                             "    xmlns:exif=\"http://ns.adobe.com/exif/1.0/\"\n"
                             "    xmlns:photoshop=\"http://ns.adobe.com/photoshop/1.0/\"\n"
                             "   xmp:CreatorTool=\"%1\"\n"
                             "   xmp:CreateDate=\"2024-01-01T00:00:00\"\n"
                             "   xmp:ModifyDate=\"2024-01-01T00:00:00\"\n"
                             "   tiff:Orientation=\"1\"\n"
                             "   exif:PixelXDimension=\"%2\"\n"
                             "   exif:PixelYDimension=\"%3\"\n"
                             "   exif:ColorSpace=\"1\"\n"
                             "   photoshop:ColorMode=\"3\">\n"
                             "   <dc:format>image/jpeg</dc:format>\n"
                             "   <dc:title>\n"
                             "    <rdf:Alt>\n"
                             "     <rdf:li xml:lang=\"x-default\">%4</rdf:li>\n"
                             "    </rdf:Alt>\n"
                             "   </dc:title>\n"
                             "  </rdf:Description>\n"
                             " </rdf:RDF>\n"
                             "</x:xmpmeta>\n"
                             "<?xpacket end=\"w\"?>")
                             .arg(QString::fromLatin1(kSoftware))
                             .arg(size.width())
                             .arg(size.height())
                             .arg(title.toHtmlEscaped());
  QByteArray payload("http://ns.adobe.com/xap/1.0/\0", 29);
  payload.append(packet.toUtf8());
  return payload;
}

QByteArray iccPayload() {
  QByteArray payload("ICC_PROFILE\0", 12);
  payload.append('\x01');  // chunk 1
  payload.append('\x01');  // of 1
  payload.append(srgbProfile());
  return payload;
}

struct Encoded {
  std::vector<Segment> segments;  // from after SOI up to, not including, SOS
  QByteArray scan;                // from the SOS marker to the end of the file
};

Encoded split(const QByteArray& file) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(file.constData());
  if (file.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) throw std::runtime_error("not a JPEG");
  Encoded out;
  qsizetype at = 2;
  while (at + 4 <= file.size()) {
    if (bytes[at] != 0xFF) throw std::runtime_error("JPEG marker expected");
    const unsigned char marker = bytes[at + 1];
    if (marker == 0xDA) {
      out.scan = file.mid(at);
      return out;
    }
    const qsizetype length = (bytes[at + 2] << 8) | bytes[at + 3];
    out.segments.push_back({marker, file.mid(at + 4, length - 2)});
    at += 2 + length;
  }
  throw std::runtime_error("JPEG without a scan");
}

QByteArray joined(const std::vector<Segment>& segments, unsigned char marker) {
  QByteArray payload;
  for (const Segment& s : segments)
    if (s.marker == marker) payload.append(s.payload);
  return payload;
}

const Segment& only(const std::vector<Segment>& segments, unsigned char marker) {
  const Segment* found = nullptr;
  for (const Segment& s : segments) {
    if (s.marker != marker) continue;
    if (found) throw std::runtime_error("segment written twice");
    found = &s;
  }
  if (!found) throw std::runtime_error("segment missing");
  return *found;
}

}  // namespace

QByteArray plainJpeg(const QImage& image, int quality) {
  return compress(image, {quality, false, false});
}

QByteArray storedJpeg(const QImage& image, const StoredJpegOptions& options) {
  const Encoded main = split(compress(image, {options.quality, true, true}));
  const QImage thumbnail =
      options.thumbnailSize == image.size()
          ? image
          : image.scaled(options.thumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QByteArray thumbnailBytes = plainJpeg(thumbnail, 80);

  // libjpeg writes one DQT per table and the DHTs after the frame header, one
  // per table, then DRI; the stored layout merges them and orders them as
  // DQT, SOF0, DRI, DHT.
  QByteArray out("\xFF\xD8", 2);
  out.append(segmentBytes(0xE1, exifPayload(image.size(), thumbnailBytes)));
  out.append(segmentBytes(0xED, photoshopPayload(thumbnail.size(), thumbnailBytes)));
  out.append(segmentBytes(0xE1, xmpPayload(image.size(), options.title)));
  if (options.withIccProfile) out.append(segmentBytes(0xE2, iccPayload()));
  out.append(segmentBytes(0xEE, only(main.segments, 0xEE).payload));
  out.append(segmentBytes(0xDB, joined(main.segments, 0xDB)));
  out.append(segmentBytes(0xC0, only(main.segments, 0xC0).payload));
  out.append(segmentBytes(0xDD, only(main.segments, 0xDD).payload));
  out.append(segmentBytes(0xC4, joined(main.segments, 0xC4)));
  out.append(main.scan);

  for (const Segment& s : main.segments) {
    if (s.marker != 0xEE && s.marker != 0xDB && s.marker != 0xC0 && s.marker != 0xDD && s.marker != 0xC4) {
      throw std::runtime_error("libjpeg wrote an unexpected segment");
    }
  }
  return out;
}

}  // namespace korvane::generate
