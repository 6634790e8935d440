#pragma once
// PDF files written straight from the recorded pages of a page store: every
// drawing operation becomes PDF operators, with no painter in between. The
// result looks as a replay onto Qt's PDF writer does (the same positions,
// pens, fonts and pictures) at a small part of the cost: Qt's writer places
// every glyph on its own, scans the whole Unicode range twice for each font
// of each file to map glyphs back to characters, and re-encodes every
// picture as JPEG.
//
//   TPdfOutput pdf;                                  // keep it for many files
//   pdf.Write(QuizPages(quiz), "quiz.pdf");          // one job, one file
//
// Texts are Windows-1252, which is what the PDF's WinAnsiEncoding holds, so
// every font is a plain TrueType font, embedded as a subset of the bundled
// font file holding the glyphs drawn; text can be searched and copied.
// Pictures are stored losslessly (grey or RGB, run-length coded and
// deflated), and a picture met again (the answer key's clock faces are the
// quiz's) is taken from the earlier encoding. Each page's resources name
// only the fonts and pictures it draws; every font carries a ToUnicode map.
// Files carry no date, and their /ID is a digest of their content: the same
// pages give the same bytes.
//
// Needs a QGuiApplication (fonts); GUI thread only.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "render/Assets.h"

namespace sumcraft {

class TMetaReport;
class TDeflater;

class TPdfOutput {
public:
  TPdfOutput();
  ~TPdfOutput();
  TPdfOutput(const TPdfOutput&) = delete;
  TPdfOutput& operator=(const TPdfOutput&) = delete;

  // Every page of the store, in order, as one PDF document on the paper of
  // the store's printer (its physical size and printing offset). An empty
  // store gives one blank page. `title` becomes the document's title.
  QByteArray Document(const TMetaReport& pages, const QString& title = {});

  // Document written to `path` as it is made (never held in memory whole);
  // the file is replaced only once written whole.
  // Throws TPrintError naming the file when it cannot be written.
  void Write(const TMetaReport& pages, const QString& path, const QString& title = {});

  // An encoded picture, kept for the next document.
  struct TEncodedImage {
    int Id = 0;
    qint64 Key = 0;      // cacheKey() of the picture it was made from (a stored one: StoredKey)
    QImage Image;        // the picture (shared, not copied); null for a stored one
    QSize Size;          // in pixels
    std::size_t Hash = 0;
    QByteArray Data;     // run-length coded, then deflated
    bool Gray = false;
    int LastUsed = 0;  // number of the document that last used it
  };

private:
  friend class TPdfDocumentBuilder;
  // The key of a stored picture drawn by name: negative, where no image's
  // cacheKey() ever is.
  static qint64 StoredKey(AssetName name) { return -1 - static_cast<qint64>(name); }
  void StartDocument();
  const TEncodedImage& Encoded(const QImage& image);
  const TEncodedImage& Encoded(AssetName stored);
  const TEncodedImage& EncodedStored(qint64 key, const QImage& image, QSize size, const QByteArray& coded);
  // A new encoding, kept for this document and the next.
  const TEncodedImage& Kept(qint64 key, const QImage& image, QSize size, std::size_t hash, bool gray, QByteArray data);

  std::vector<TEncodedImage> images_;
  QByteArray samples_, runs_;  // work buffers of Encoded, reused
  std::unique_ptr<TDeflater> deflater_;
  int document_ = 0;
  int lastId_ = 0;
  qsizetype lastSize_ = 0;  // of the document before in memory: the next one is much alike
};

}  // namespace sumcraft
