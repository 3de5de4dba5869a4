// Runs the asset generator and compares what it writes with the committed
// pictures: the generator is deterministic, and the committed files are
// its current output.

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool generatorFontsInstalled() {
  const QStringList families = QFontDatabase::families();
  return families.contains(QStringLiteral("Noto Sans CJK SC")) &&
         families.contains(QStringLiteral("Noto Color Emoji"));
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AssetGenerator, RewritesTheCommittedPicturesByteForByte) {
  if (!generatorFontsInstalled()) GTEST_SKIP() << "the generator's fonts are not installed";
  QTemporaryDir out;
  ASSERT_TRUE(out.isValid());
  QProcess generator;
  generator.start(QStringLiteral(KORVANE_GENERATOR), {out.path()});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

  const QDir committed(QStringLiteral(KORVANE_PICTURES_DIR));
  const QStringList written = QDir(out.path()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written, committed.entryList(QDir::Files, QDir::Name));
  EXPECT_EQ(written.size(), 40);
  for (const QString& file : written) {
    EXPECT_TRUE(readAll(out.filePath(file)) == readAll(committed.filePath(file))) << file.toStdString();
  }
}

}  // namespace
