#include "ui/model/main_window_definition.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>

namespace korvane::model {
namespace {

// Whether the whole text has a GBK encoding, as every text of the user interface must.
bool encodesInGbk(const QString& text) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  QByteArray in = text.toUtf8();
  QByteArray out(in.size() * 2 + 16, '\0');
  char* inPtr = in.data();
  std::size_t inLeft = static_cast<std::size_t>(in.size());
  char* outPtr = out.data();
  std::size_t outLeft = static_cast<std::size_t>(out.size());
  const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(converter);
  return result != static_cast<std::size_t>(-1) && inLeft == 0;
}

TEST(GbkCheck, TellsChineseFromCharactersOutsideGbk) {
  EXPECT_TRUE(encodesInGbk("宋体 “获取” 0-9"));
  EXPECT_FALSE(encodesInGbk(QString::fromUtf8("\xF0\x9F\x98\x80")));  // an emoji
  EXPECT_FALSE(encodesInGbk(QString::fromUtf8("\xE0\xB8\x81")));      // a Thai letter
}

TEST(RecordsPageText, IsLinesSeparatedByCrLfWithBlankLinesBetween) {
  const QString text = recordsPageText();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
    }
  }
  const QStringList lines = text.split("\r\n");
  ASSERT_GE(lines.size(), 5) << "at least three lines of text";
  ASSERT_EQ(lines.size() % 2, 1) << "text lines at both ends";
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i % 2 == 0) {
      EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "line " << i << " should hold text";
    } else {
      EXPECT_TRUE(lines[i].isEmpty()) << "line " << i << " should be blank";
    }
  }
}

TEST(RecordsPageText, FitsItsLabelIn24PixelCharactersAndEncodesInGbk) {
  // 透明标签1 is 616 × 384: 25 characters of 24 pixels a line, 16 lines.
  const QStringList lines = recordsPageText().split("\r\n");
  EXPECT_LE(lines.size(), 384 / 24);
  for (const QString& line : lines) {
    EXPECT_LE(line.size(), 616 / 24) << line.toStdString();
  }
  EXPECT_TRUE(encodesInGbk(recordsPageText()));
}

}  // namespace
}  // namespace korvane::model
