#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace korvane::generate {

struct StoredJpegOptions {
  int quality = 90;
  // Size of the two embedded thumbnails.
  QSize thumbnailSize;
  bool withIccProfile = true;
  // Written into the XMP packet.
  QString title;
};

// Encodes a picture as a baseline 4:4:4 JPEG with a restart marker after each
// MCU row and the catalogue's fixed segment layout: SOI, APP1 Exif (with a
// thumbnail), APP13 Photoshop (with a second thumbnail), APP1 XMP, optional
// APP2 ICC profile, APP14 Adobe, one DQT, SOF0, DRI, one DHT, SOS, data, EOI.
QByteArray storedJpeg(const QImage& image, const StoredJpegOptions& options);

// A plain baseline JPEG (no application segments) for use as a thumbnail.
QByteArray plainJpeg(const QImage& image, int quality);

}  // namespace korvane::generate
