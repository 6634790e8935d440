#include "render/AssetPictures.h"

#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>

#include <stdexcept>
#include <string>

#include "render/AssetTable.h"
#include "render/Fonts.h"

namespace sumcraft::pictures {

QImage BlankPicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor(Qt::white));
  return picture;
}

namespace {
// 72 dots per inch: one point is one pixel.
constexpr int kPointPerPixelDpm = 2835;
}  // namespace

PicturePainter::PicturePainter(QImage& picture)
    : picture_(picture), dpmX_(picture.dotsPerMeterX()), dpmY_(picture.dotsPerMeterY()) {
  picture_.setDotsPerMeterX(kPointPerPixelDpm);
  picture_.setDotsPerMeterY(kPointPerPixelDpm);
  painter_.emplace(&picture_);
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
}

PicturePainter::~PicturePainter() {
  painter_.reset();
  picture_.setDotsPerMeterX(dpmX_);
  picture_.setDotsPerMeterY(dpmY_);
}

QFont PictureFont(double pixels, bool bold) {
  // The bundled sans face, so the lettering comes out the same on every
  // machine; the others only stand in should it be missing.
  QFont font;
  font.setFamilies({BundledFamily(TBundledFace::Sans), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pixels);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QImage DrawAsset(const AssetEntry& e) {
  const QSize size(e.width, e.height);
  // Every picture carries lettering, which needs the font database, which
  // only a GUI application has; without one Qt would abort the whole process.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    throw std::logic_error("the picture \"" + std::string(e.name) +
                           "\" carries text and can only be drawn once a QGuiApplication exists");
  }
  // The lettering is in the sans face, both weights.
  EnsureBundledFont(TBundledFace::Sans, false);
  EnsureBundledFont(TBundledFace::Sans, true);
  switch (e.kind) {
    case AssetKind::Coin: return DrawCoin(e.coin, e.form, e.width);
    case AssetKind::Clock: return DrawClockFace(size, e.centre, e.radius, e.form);
  }
  return BlankPicture(size);
}

}  // namespace sumcraft::pictures
