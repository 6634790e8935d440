// Build tool: draws every stored picture of the money and clock questions
// into FOLDER/NAME.coded, which the build compiles into the program: the grey
// levels, one byte a pixel row after row, run-length coded and deflated as a
// PDF picture stream holds them, so that a PDF takes them as they are.
//
//   sumcraft-draw-pictures FOLDER

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <exception>

#include "render/AssetTable.h"
#include "render/PdfCoding.h"

namespace {

// The picture's grey levels, or nothing when a pixel is not grey (the
// program could not get back exactly what was drawn).
QByteArray GreySamples(const QImage& drawn) {
  const QImage rgb = drawn.convertToFormat(QImage::Format_RGB32);
  QByteArray samples;
  samples.reserve(static_cast<qsizetype>(rgb.width()) * rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const int g = qGreen(line[x]);
      if (qRed(line[x]) != g || qBlue(line[x]) != g) return {};
      samples.append(static_cast<char>(g));
    }
  }
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sumcraft-draw-pictures FOLDER\n");
    return 2;
  }
  // Drawing needs no screen, whatever the build machine's session says.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "sumcraft-draw-pictures: cannot create %s\n", argv[1]);
    return 1;
  }
  try {
    sumcraft::TDeflater deflater;
    for (const sumcraft::pictures::AssetEntry& e : sumcraft::pictures::kAssets) {
      const QString file = folder + QLatin1Char('/') +
                           QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())) +
                           QStringLiteral(".coded");
      const QByteArray samples = GreySamples(sumcraft::pictures::DrawAsset(e));
      if (samples.isEmpty()) {
        std::fprintf(stderr, "sumcraft-draw-pictures: %s is not drawn in grey\n", qPrintable(file));
        return 1;
      }
      QByteArray runs;
      sumcraft::RunLength(samples, runs);
      const QByteArray coded = deflater.Deflate(runs, 9);
      QFile out(file);
      if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(coded) != coded.size() ||
          !out.flush()) {
        std::fprintf(stderr, "sumcraft-draw-pictures: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sumcraft-draw-pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
