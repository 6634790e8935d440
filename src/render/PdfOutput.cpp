#include "render/PdfOutput.h"

#include <QFile>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <concepts>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <numbers>
#include <utility>
#include <string>
#include <string_view>
#include <system_error>
#include <zlib.h>

#include "quiz/AtomicFile.h"
#include "render/CodePage1252.h"
#include "render/DisplayList.h"
#include "render/Fonts.h"
#include "render/MetaReport.h"
#include "render/PdfCoding.h"
#include "render/PdfPrinter.h"
#include "render/PrinterDevice.h"
#include "render/Resources.h"
#include "render/TrueTypeSubset.h"

namespace sumcraft {

namespace {

// ---- Numbers and strings as PDF writes them.

// The decimal digits of `whole`, written backwards so that they end just
// before `end`; returns the first. Two digits a step: page coordinates have
// three or four.
inline char* FormatWhole(unsigned long long whole, char* end) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  char* p = end;
  while (whole >= 100) {
    const auto pair = static_cast<std::size_t>(whole % 100) * 2;
    whole /= 100;
    *--p = kPairs[pair + 1];
    *--p = kPairs[pair];
  }
  if (whole >= 10) {
    *--p = kPairs[whole * 2 + 1];
    *--p = kPairs[whole * 2];
  } else {
    *--p = static_cast<char>('0' + whole);
  }
  return p;
}

// A number with at most three decimals, trailing zeros left out, written
// backwards so that it ends just before `end`; returns its first character.
char* FormatNumber(double v, char* end) {
  if (!(std::abs(v) <= 1e12)) v = 0;  // also NaN
  // Most coordinates are whole numbers: no rounding, no fraction.
  if (const auto whole = static_cast<long long>(v); static_cast<double>(whole) == v) {
    char* p = FormatWhole(static_cast<unsigned long long>(whole < 0 ? -whole : whole), end);
    if (whole < 0) *--p = '-';
    return p;
  }
  // Rounded half away from zero, as llround does, without its library call:
  // the part cut off is exact below 2^53.
  const double scaled = v * 1000.0;
  long long thousandths = static_cast<long long>(scaled);
  const double rest = scaled - static_cast<double>(thousandths);
  if (rest >= 0.5) ++thousandths;
  else if (rest <= -0.5) --thousandths;
  char* p = end;
  const bool negative = thousandths < 0;
  const auto magnitude = static_cast<unsigned long long>(negative ? -thousandths : thousandths);
  const auto fraction = static_cast<unsigned>(magnitude % 1000);
  unsigned long long whole = magnitude / 1000;
  if (fraction != 0) {
    const unsigned d1 = fraction / 100, d2 = fraction / 10 % 10, d3 = fraction % 10;
    if (d3 != 0) *--p = static_cast<char>('0' + d3);
    if (d3 != 0 || d2 != 0) *--p = static_cast<char>('0' + d2);
    *--p = static_cast<char>('0' + d1);
    *--p = '.';
  }
  p = FormatWhole(whole, p);
  if (negative) *--p = '-';  // never "-0": a negative count of thousandths is not zero
  return p;
}

void AppendNumber(QByteArray& out, double v) {
  char buf[32];
  char* end = buf + sizeof buf;
  const char* p = FormatNumber(v, end);
  out.append(p, end - p);
}

// A page's content: operators and numbers written straight into one buffer
// that is kept from page to page (appending to a QByteArray costs more per
// call than formatting a number). Grows, never shrinks. Its writers are
// forced inline: a page makes a few hundred thousand calls, and inlined the
// length of an operator is known while compiling.
class TContent {
public:
  void Clear() { end_ = 0; }
  const char* Data() const { return buf_.data(); }
  std::size_t Size() const { return end_; }

  // An operator; a blank follows unless it ends in a blank or a line break.
  [[gnu::always_inline]] TContent& operator<<(const char* s) {
    const std::size_t n = std::strlen(s);
    char* p = Room(n + 1);
    std::memcpy(p, s, n);
    p += n;
    if (n > 0 && s[n - 1] != ' ' && s[n - 1] != '\n') *p++ = ' ';
    end_ = static_cast<std::size_t>(p - buf_.data());
    return *this;
  }
  // Numbers are formatted backwards into the middle of a scratch buffer and
  // copied as a block of fixed size, which needs no call (the bytes after
  // the number are overwritten or left beyond the end).
  [[gnu::always_inline]] TContent& operator<<(double v) {
    char* p = Room(kBlock + 1);
    char tmp[2 * kBlock];
    char* end = tmp + kBlock;
    const char* start = FormatNumber(v, end);
    std::memcpy(p, start, kBlock);
    p += end - start;
    *p++ = ' ';
    end_ = static_cast<std::size_t>(p - buf_.data());
    return *this;
  }
  [[gnu::always_inline]] TContent& operator<<(int v) {
    char* p = Room(kBlock + 1);
    char tmp[2 * kBlock];
    char* end = tmp + kBlock;
    char* start = FormatWhole(v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v), end);
    if (v < 0) *--start = '-';
    std::memcpy(p, start, kBlock);
    p += end - start;
    *p++ = ' ';
    end_ = static_cast<std::size_t>(p - buf_.data());
    return *this;
  }
  // Bytes as they are.
  void Raw(std::string_view bytes) {
    char* p = Room(bytes.size());
    std::memcpy(p, bytes.data(), bytes.size());
    end_ += bytes.size();
  }
  // A literal string of Windows-1252 bytes, without a blank after it.
  void Literal(std::string_view bytes) {
    char* p = Room(4 * bytes.size() + 2);
    *p++ = '(';
    for (const char ch : bytes) {
      const auto c = static_cast<unsigned char>(ch);
      if (c == '(' || c == ')' || c == '\\') {
        *p++ = '\\';
        *p++ = ch;
      } else if (c < 32 || c == 127) {
        *p++ = '\\';
        *p++ = static_cast<char>('0' + (c >> 6));
        *p++ = static_cast<char>('0' + ((c >> 3) & 7));
        *p++ = static_cast<char>('0' + (c & 7));
      } else {
        *p++ = ch;
      }
    }
    *p++ = ')';
    end_ = static_cast<std::size_t>(p - buf_.data());
  }

private:
  // Where `n` more bytes may be written.
  [[gnu::always_inline]] char* Room(std::size_t n) {
    if (buf_.size() - end_ < n) buf_.resize(std::max(buf_.size() * 2, end_ + n + 4096));
    return buf_.data() + end_;
  }
  static constexpr std::size_t kBlock = 24;  // longer than any number written
  std::string buf_;
  std::size_t end_ = 0;
};

class TOut {
public:
  explicit TOut(QByteArray& bytes) : b_(bytes) {}
  // Operators and names; a blank follows unless the text ends in one.
  TOut& operator<<(const char* s) {
    b_.append(s);
    if (!b_.isEmpty() && b_.back() != ' ' && b_.back() != '\n') b_.append(' ');
    return *this;
  }
  TOut& operator<<(const QByteArray& s) {
    b_.append(s);
    return *this;
  }
  TOut& operator<<(double v) {
    AppendNumber(b_, v);
    b_.append(' ');
    return *this;
  }
  TOut& operator<<(int v) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    b_.append(buf, res.ptr - buf).append(' ');
    return *this;
  }
  TOut& operator<<(qsizetype v) {
    b_.append(QByteArray::number(v)).append(' ');
    return *this;
  }

private:
  QByteArray& b_;
};

// Sixteen bytes in capital hex that follow from every byte given: two
// multiply-and-rotate hashes over eight bytes at a time, taking the bytes as
// they are written, in pieces of any length. A cryptographic hash of a
// whole file of pictures cost more than writing its pages.
class TContentDigest {
public:
  void Add(const char* data, std::size_t n) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    length_ += n;
    for (; pendingBytes_ != 0 && n > 0; --n) Take(*p++);
    for (; n >= 8; p += 8, n -= 8) {
      std::uint64_t w;
      std::memcpy(&w, p, 8);
      Mix(w);
    }
    for (; n > 0; --n) Take(*p++);
  }

  // The digest of everything added so far.
  QByteArray Hex() const {
    TContentDigest d = *this;
    d.Mix(d.pending_);  // the last bytes, fewer than eight (perhaps none)
    d.Mix(length_);
    const std::uint64_t words[2] = {Finish(d.a_ + d.b_), Finish(d.a_ ^ std::rotl(d.b_, 17))};
    QByteArray out(32, Qt::Uninitialized);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int k = 0; k < 16; ++k) {
      const auto byte = static_cast<unsigned>(words[k / 8] >> (8 * (7 - k % 8))) & 0xFFu;
      out[2 * k] = kHex[byte >> 4];
      out[2 * k + 1] = kHex[byte & 15];
    }
    return out;
  }

private:
  void Mix(std::uint64_t w) {
    a_ = std::rotl((a_ ^ w) * 0x87C37B91114253D5ull, 31);
    b_ = std::rotl((b_ + w) * 0x4CF5AD432745937Full, 27) ^ a_;
  }
  // One byte into the word being gathered, little end first.
  void Take(unsigned char byte) {
    pending_ |= static_cast<std::uint64_t>(byte) << (8 * pendingBytes_);
    if (++pendingBytes_ == 8) {
      Mix(pending_);
      pending_ = 0;
      pendingBytes_ = 0;
    }
  }
  static std::uint64_t Finish(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
  }

  std::uint64_t a_ = 0x9E3779B97F4A7C15ull, b_ = 0xC2B2AE3D27D4EB4Full;
  std::uint64_t pending_ = 0;
  unsigned pendingBytes_ = 0;
  std::uint64_t length_ = 0;
};

inline std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Where a document's bytes go: all kept in memory, or handed to a file in
// blocks, so that a long document never needs memory of its size (every
// page of fresh memory costs a fault; two files of 2,000 pictures took
// seven hundred). Counts the bytes, for the cross-reference table, and
// digests them as they pass, for the file's identifier.
class TDocumentBytes {
public:
  // Everything kept, for Take(); `expected` is reserved at once.
  explicit TDocumentBytes(qsizetype expected) { Grow(std::max<qsizetype>(expected, 64 * 1024)); }
  // Blocks written to `file`.
  explicit TDocumentBytes(TAtomicFileWriter& file) : file_(&file) { Grow(kBlock); }

  void Append(std::string_view bytes) {
    // An empty view may hold no pointer, which memcpy must never be given.
    if (bytes.empty()) return;
    digest_.Add(bytes.data(), bytes.size());
    size_ += static_cast<qsizetype>(bytes.size());
    const auto n = static_cast<qsizetype>(bytes.size());
    if (used_ + n > buf_.size()) {
      if (file_ == nullptr) {
        Grow(std::max(2 * buf_.size(), used_ + n));
      } else {
        Flush();
        if (n >= buf_.size()) return file_->Write(bytes);
      }
    }
    std::memcpy(buf_.data() + used_, bytes.data(), bytes.size());
    used_ += n;
  }
  TDocumentBytes& operator<<(std::string_view bytes) {
    Append(bytes);
    return *this;
  }
  TDocumentBytes& operator<<(const QByteArray& bytes) { return *this << View(bytes); }
  TDocumentBytes& operator<<(const char* bytes) { return *this << std::string_view(bytes); }
  TDocumentBytes& operator<<(std::integral auto number) {
    char text[24];
    return *this << std::string_view(text, static_cast<std::size_t>(std::to_chars(text, text + sizeof text, number).ptr - text));
  }

  qsizetype Size() const { return size_; }
  // The identifier of everything so far.
  QByteArray Id() const { return digest_.Hex(); }

  // The last block into the file.
  void Flush() {
    if (file_ != nullptr && used_ > 0) file_->Write(std::string_view(buf_.constData(), static_cast<std::size_t>(used_)));
    used_ = 0;
  }
  // What was kept.
  QByteArray Take() {
    buf_.resize(used_);
    used_ = 0;
    return std::move(buf_);
  }

private:
  void Grow(qsizetype capacity) {
    buf_.resize(capacity);  // bytes beyond used_ are never read
  }
  static constexpr qsizetype kBlock = 128 * 1024;

  TAtomicFileWriter* file_ = nullptr;
  QByteArray buf_;
  qsizetype used_ = 0;
  qsizetype size_ = 0;
  TContentDigest digest_;
};

// A text string for the document information: UTF-16BE with its mark.
QByteArray TextString(const QString& text) {
  QByteArray out = "<FEFF";
  for (const QChar ch : text) out.append(QByteArray::number(ch.unicode(), 16).rightJustified(4, '0').toUpper());
  return out + ">";
}

}  // namespace

namespace {

void AppendColor(TContent& out, const QColor& c, const char* op) {
  out << c.redF() << c.greenF() << c.blueF() << op << "\n";
}

// ---- The bundled fonts as embedded TrueType fonts.

struct TEmbeddedFont {
  QByteArray PsName;  // "SumcraftSans-Bold"
  QByteArray File;    // the font file
  std::array<quint32, 224> Glyphs{};  // glyph of codes 32..255
  int GlyphCount = 0;
  std::array<double, 224> Widths{};  // codes 32..255, thousandths of the em
  std::array<double, 4> BBox{};
  double Ascent = 0, Descent = 0, CapHeight = 0;
};

int BigEndian16(const QByteArray& table, qsizetype at) {
  if (at + 2 > table.size()) return 0;
  const auto hi = static_cast<unsigned char>(table[at]), lo = static_cast<unsigned char>(table[at + 1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((hi << 8) | lo));
}

const TEmbeddedFont& EmbeddedFont(TBundledFace face, bool bold) {
  static std::map<int, std::unique_ptr<TEmbeddedFont>> cache;
  const int key = static_cast<int>(face) * 2 + (bold ? 1 : 0);
  auto it = cache.find(key);
  if (it != cache.end()) return *it->second;

  auto font = std::make_unique<TEmbeddedFont>();
  font->PsName = BundledFamily(face).remove(QLatin1Char(' ')).toLatin1() + (bold ? "-Bold" : "-Regular");
  const QByteArray data = BundledFontFile(face, bold);
  if (data.isEmpty()) throw TPrintError("The bundled font " + font->PsName.toStdString() + " is missing.");
  QRawFont raw(data, 12, QFont::PreferNoHinting);
  if (!raw.isValid()) throw TPrintError("The bundled font " + font->PsName.toStdString() + " cannot be read.");
  const double upem = raw.unitsPerEm();
  raw.setPixelSize(upem);  // so that sizes come in font units
  QString codes;
  for (int c = 32; c < 256; ++c) codes.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
  const QList<quint32> glyphs = raw.glyphIndexesForString(codes);
  for (qsizetype i = 0; i < std::min<qsizetype>(glyphs.size(), 224); ++i) {
    font->Glyphs[static_cast<std::size_t>(i)] = glyphs[i];
    font->GlyphCount = std::max(font->GlyphCount, static_cast<int>(glyphs[i]) + 1);
  }
  // Advances in font units straight from the metrics table (what the font
  // engine would give at a size of one unit a pixel, without loading every
  // glyph): glyphs past the last entry share its advance.
  const QByteArray hhea = raw.fontTable("hhea"), hmtx = raw.fontTable("hmtx");
  const qsizetype metrics = std::min<qsizetype>(static_cast<std::uint16_t>(BigEndian16(hhea, 34)), hmtx.size() / 4);
  for (qsizetype i = 0; i < std::min<qsizetype>(glyphs.size(), 224); ++i) {
    const qsizetype entry = std::min<qsizetype>(glyphs[i], metrics - 1);
    const int advance = entry >= 0 ? static_cast<std::uint16_t>(BigEndian16(hmtx, entry * 4)) : 0;
    font->Widths[static_cast<std::size_t>(i)] = advance * 1000.0 / upem;
  }
  const QByteArray head = raw.fontTable("head");
  for (int i = 0; i < 4; ++i) font->BBox[static_cast<std::size_t>(i)] = BigEndian16(head, 36 + 2 * i) * 1000.0 / upem;
  font->Ascent = raw.ascent() * 1000.0 / upem;
  font->Descent = -raw.descent() * 1000.0 / upem;
  const QByteArray os2 = raw.fontTable("OS/2");
  font->CapHeight = os2.size() >= 90 && BigEndian16(os2, 0) >= 2 ? BigEndian16(os2, 88) * 1000.0 / upem : font->Ascent;
  font->File = data;
  return *cache.emplace(key, std::move(font)).first->second;
}

// The font file embedded for a set of glyphs, deflated. The answer key
// usually needs the glyphs of the quiz pages before it, so the last few are
// kept.
struct TFontFile {
  const TEmbeddedFont* Font = nullptr;
  std::vector<bool> Keep;
  bool Subset = false;
  qsizetype Length = 0;
  QByteArray Deflated;
};

const TFontFile& FontFile(const TEmbeddedFont& font, const std::vector<bool>& keep, TDeflater& deflater) {
  static std::vector<TFontFile> recent;
  for (const TFontFile& f : recent)
    if (f.Font == &font && f.Keep == keep) return f;
  TFontFile f;
  f.Font = &font;
  f.Keep = keep;
  QByteArray file = SubsetTrueType(font.File, keep);
  f.Subset = !file.isEmpty();
  if (!f.Subset) file = font.File;
  f.Length = file.size();
  f.Deflated = deflater.Deflate(file, 1);
  if (recent.size() >= 8) recent.erase(recent.begin());
  recent.push_back(std::move(f));
  return recent.back();
}

// ---- One document.

// The samples of an opaque picture, into `out` (reused from picture to
// picture, so a long quiz does not map fresh memory for every one): one grey
// byte a pixel when every pixel is grey (pictures are black drawings on
// white), else red, green, blue. Returns whether they are grey.
bool Samples(const QImage& rgb, QByteArray& out) {
  const int w = rgb.width(), h = rgb.height();
  out.resize(static_cast<qsizetype>(w) * h);
  char* g = out.data();
  if (rgb.format() == QImage::Format_Grayscale8) {
    for (int y = 0; y < h; ++y, g += w) std::memcpy(g, rgb.constScanLine(y), static_cast<std::size_t>(w));
    return true;
  }
  for (int y = 0; y < h; ++y, g += w) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    // A whole line without a branch a pixel (the compiler can do several at
    // once): red, green and blue agree when each equals the next.
    QRgb differ = 0;
    for (int x = 0; x < w; ++x) {
      const QRgb p = line[x];
      differ |= (p ^ (p >> 8)) & 0xFFFFu;
      g[x] = static_cast<char>(qRed(p));
    }
    if (differ != 0) {
      out.resize(static_cast<qsizetype>(w) * h * 3);
      char* c = out.data();
      for (int yy = 0; yy < h; ++yy) {
        const auto* l = reinterpret_cast<const QRgb*>(rgb.constScanLine(yy));
        for (int xx = 0; xx < w; ++xx) {
          *c++ = static_cast<char>(qRed(l[xx]));
          *c++ = static_cast<char>(qGreen(l[xx]));
          *c++ = static_cast<char>(qBlue(l[xx]));
        }
      }
      return false;
    }
  }
  return true;
}

QImage Opaque(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_Grayscale8 ? image
                                                                     : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TPdfDocumentBuilder {
public:
  TPdfDocumentBuilder(TPdfOutput& owner, const TMetaReport& pages, TDocumentBytes& out)
      : owner_(owner), pages_(pages), out_(out) {
    offsets_.assign(4, 0);  // 1 catalog, 2 page tree, 3 information
  }

  void Build(const QString& title) {
    out_ << "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    const QSize paper = pages_.PhysicalPageSize();
    const double rx = std::max(1, pages_.ResolutionX()), ry = std::max(1, pages_.ResolutionY());
    widthPt_ = paper.width() * 72.0 / rx;
    heightPt_ = paper.height() * 72.0 / ry;
    // "Save as PDF" names its paper: the file gets that paper exactly, not
    // as rounded to whole printer pixels.
    if (const auto* pdf = dynamic_cast<const TPdfPrinter*>(&pages_.Printer())) {
      const bool a4 = pdf->Paper() == TPaper::A4;
      widthPt_ = a4 ? 210.0 / 25.4 * 72.0 : 8.5 * 72.0;
      heightPt_ = a4 ? 297.0 / 25.4 * 72.0 : 11.0 * 72.0;
    }
    TOut(mediaBox_) << widthPt_ << heightPt_;
    // Page units to points, y downwards, from the printable area's corner.
    pageMatrix_ = QTransform(72.0 / rx, 0, 0, -72.0 / ry, pages_.OffsetX() * 72.0 / rx,
                             heightPt_ - pages_.OffsetY() * 72.0 / ry);

    std::vector<int> pageObjects;
    const int count = std::max(1, pages_.PageCount());
    for (int n = 1; n <= count; ++n) pageObjects.push_back(WritePage(pages_.PageOps(n)));

    WriteFonts();

    Begin(2);
    out_ << "<< /Type /Pages /Count " << count << " /Kids [";
    for (int p : pageObjects) out_ << p << " 0 R ";
    out_ << "] >>\n";
    End();

    Begin(1);
    out_ << "<< /Type /Catalog /Pages 2 0 R >>\n";
    End();

    Begin(3);
    out_ << "<< /Creator (Sumcraft) /Producer (Sumcraft)";
    if (!title.isEmpty()) out_ << " /Title " << TextString(title);
    out_ << " >>\n";
    End();

    // The file's identifier comes from its content, so the same pages give
    // the same bytes and different documents different identifiers.
    const QByteArray id = out_.Id();
    const qsizetype xref = out_.Size();
    out_ << "xref\n0 " << offsets_.size() << "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < offsets_.size(); ++i) WriteXrefEntry(offsets_[i]);
    out_ << "trailer\n<< /Size " << offsets_.size() << " /Root 1 0 R /Info 3 0 R /ID [<" << id << "> <" << id
         << ">] >>\nstartxref\n" << xref << "\n%%EOF\n";
  }

private:
  struct TFontUse {
    TBundledFace Face;
    bool Bold;
    int Number;  // resource name /F<n>
    int Object;
    std::array<bool, 256> Used{};  // codes drawn
    bool OnPage = false;           // drawn on the page being written
  };
  struct TImageUse {
    int Object;
    int Number;  // resource name /Im<n>
    bool OnPage = false;
  };

  static QByteArray Ref(int object) { return QByteArray::number(object) + " 0 R"; }
  int NewObject() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size()) - 1;
  }
  void Begin(int object) {
    offsets_[static_cast<std::size_t>(object)] = out_.Size();
    out_ << object << " 0 obj\n";
  }
  void End() { out_ << "endobj\n"; }
  void Stream(int object, std::string_view dictionary, std::string_view data,
              std::string_view filter = "/FlateDecode") {
    Begin(object);
    out_ << "<< " << dictionary;
    if (!filter.empty()) out_ << " /Filter " << filter;
    out_ << " /Length " << data.size() << " >>\nstream\n" << data << "\nendstream\n";
    End();
  }
  // "0000012345 00000 n ": the offset in ten digits (more only past 10 GB).
  void WriteXrefEntry(qsizetype offset) {
    char digits[24];
    const std::size_t n = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, offset).ptr - digits);
    if (n < 10) out_ << std::string_view("0000000000", 10 - n);
    out_ << std::string_view(digits, n) << " 00000 n \n";
  }

  // The font of a text drawn on the page being written; the page lists it
  // among its resources.
  TFontUse& FontFor(const TFontMetrics& metrics) {
    for (TFontUse& f : fonts_) {
      if (f.Face == metrics.Face() && f.Bold == metrics.Bold()) {
        f.OnPage = true;
        return f;
      }
    }
    fonts_.push_back(TFontUse{metrics.Face(), metrics.Bold(), static_cast<int>(fonts_.size()) + 1, NewObject(), {}, true});
    return fonts_.back();
  }

  // The resources of the page just drawn: only its own fonts and pictures,
  // so that a page taken out of the file alone carries nothing else. The
  // next page starts with none.
  void WriteResources() {
    out_ << "<< /ProcSet [/PDF /Text /ImageB /ImageC]";
    if (std::any_of(fonts_.begin(), fonts_.end(), [](const TFontUse& f) { return f.OnPage; })) {
      out_ << " /Font <<";
      for (TFontUse& f : fonts_)
        if (std::exchange(f.OnPage, false)) out_ << " /F" << f.Number << " " << f.Object << " 0 R";
      out_ << " >>";
    }
    if (std::any_of(imageUses_.begin(), imageUses_.end(), [](const TImageUse& i) { return i.OnPage; })) {
      out_ << " /XObject <<";
      for (TImageUse& i : imageUses_)
        if (std::exchange(i.OnPage, false)) out_ << " /Im" << i.Number << " " << i.Object << " 0 R";
      out_ << " >>";
    }
    out_ << " >>";
  }

  // The map from the codes drawn back to Unicode, so that copied text reads
  // as it was written whatever the reader makes of the encoding.
  QByteArray ToUnicode(const TFontUse& use) const {
    QByteArray cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    std::vector<std::size_t> codes;
    for (std::size_t c = 32; c < 256; ++c)
      if (use.Used[c]) codes.push_back(c);
    // At most 100 entries a block.
    for (std::size_t i = 0; i < codes.size(); i += 100) {
      const std::size_t n = std::min<std::size_t>(100, codes.size() - i);
      cmap.append(QByteArray::number(static_cast<qulonglong>(n)) + " beginbfchar\n");
      for (std::size_t k = i; k < i + n; ++k) {
        const auto code = static_cast<unsigned char>(codes[k]);
        cmap.append("<" + QByteArray::number(code, 16).rightJustified(2, '0').toUpper() + "> <" +
                    QByteArray::number(Cp1252ToUnicode(code), 16).rightJustified(4, '0').toUpper() + ">\n");
      }
      cmap.append("endbfchar\n");
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  }

  void WriteFonts() {
    for (const TFontUse& use : fonts_) {
      const TEmbeddedFont& font = EmbeddedFont(use.Face, use.Bold);
      // Only the outlines of the characters drawn go into the file; a subset
      // is named with a tag of six capitals made from what it holds.
      std::vector<bool> keep(static_cast<std::size_t>(font.GlyphCount), false);
      std::size_t tagSeed = 0;
      for (std::size_t c = 32; c < 256; ++c) {
        if (!use.Used[c]) continue;
        keep[font.Glyphs[c - 32]] = true;
        tagSeed = tagSeed * 31 + c;
      }
      const TFontFile& file = FontFile(font, keep, *owner_.deflater_);
      QByteArray name = font.PsName;
      if (file.Subset) {
        QByteArray tag(6, 'A');
        for (char& ch : tag) {
          ch = static_cast<char>('A' + tagSeed % 26);
          tagSeed /= 26;
        }
        name = tag + "+" + name;
      }
      const int descriptor = NewObject(), fileObject = NewObject(), toUnicode = NewObject();
      Begin(use.Object);
      QByteArray d = "<< /Type /Font /Subtype /TrueType /BaseFont /" + name +
                     " /FirstChar 32 /LastChar 255 /Encoding /WinAnsiEncoding /FontDescriptor " + Ref(descriptor) +
                     " /ToUnicode " + Ref(toUnicode) + " /Widths [";
      for (double w : font.Widths) AppendNumber(d.append(' '), w);
      out_ << d << "] >>\n";
      End();
      Begin(descriptor);
      QByteArray fd = "<< /Type /FontDescriptor /FontName /" + name + " /Flags 32 /FontBBox [";
      TOut o(fd);
      for (double v : font.BBox) o << v;
      o << "] /ItalicAngle 0 /Ascent" << font.Ascent << "/Descent" << font.Descent << "/CapHeight" << font.CapHeight
        << "/StemV" << (use.Bold ? 140 : 80);
      if (use.Bold) o << "/FontWeight 700";
      out_ << fd << "/FontFile2 " << Ref(fileObject) << " >>\n";
      End();
      Stream(fileObject, View("/Length1 " + QByteArray::number(file.Length)), View(file.Deflated));
      Stream(toUnicode, {}, View(owner_.deflater_->Deflate(ToUnicode(use), 6)));
    }
  }

  // ---- Page content. The graphics state is tracked so that unchanged
  // colours, widths and fonts are not repeated.
  struct TState {
    QColor Fill = Qt::black, Stroke = Qt::black;
    double Width = 1;
    int Font = 0;
    double Size = 0;
  };

  void SetFill(const QColor& c) {
    if (state_.Fill == c) return;
    state_.Fill = c;
    AppendColor(content_, c, "rg");
  }
  void SetStroke(const QColor& c, double width) {
    if (state_.Stroke != c) {
      state_.Stroke = c;
      AppendColor(content_, c, "RG");
    }
    // Widths are lengths on paper; only 0 asks for the thinnest line.
    const double w = std::max(0.0, width);
    if (state_.Width != w) {
      state_.Width = w;
      content_ << w << "w\n";
    }
  }
  void Save() {
    content_.Raw("q\n");
    saved_ = state_;
  }
  void Restore() {
    content_.Raw("Q\n");
    state_ = saved_;
  }

  int WritePage(const TDisplayList* list) {
    content_.Clear();
    state_ = TState{};
    // 72 / resolution has no short decimal form: with three decimals a page
    // at 2350 dpi would grow by 1.2 %. Ten decimals keep every page exact to
    // far under a device pixel.
    for (double v : {pageMatrix_.m11(), 0.0, 0.0, pageMatrix_.m22(), pageMatrix_.dx(), pageMatrix_.dy()}) {
      char buf[40];
      const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 10);
      std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
      while (text.back() == '0') text.remove_suffix(1);
      if (text.back() == '.') text.remove_suffix(1);
      content_.Raw(text);
      content_.Raw(" ");
    }
    content_.Raw("cm\n1 J 1 j\n");
    if (list) {
      for (const TDrawOp& op : list->Ops()) {
        switch (op.Kind) {
          case TOpKind::Text: Text(*list, op); break;
          case TOpKind::Image: Image(*list, op); break;
          default: Shape(op); break;
        }
      }
    }
    const int contents = NewObject();
    // Page contents are written as they are: deflating them cost more
    // than everything else of a page, for files a few kilobytes a page
    // smaller.
    Stream(contents, {}, std::string_view(content_.Data(), content_.Size()), {});
    const int page = NewObject();
    Begin(page);
    out_ << "<< /Type /Page /Parent 2 0 R /Resources ";
    WriteResources();
    out_ << " /MediaBox [0 0 " << mediaBox_ << "] /Contents " << contents << " 0 R >>\n";
    End();
    return page;
  }

  // The colour a pen mode draws with on paper, where there is nothing to
  // combine with; false when the mode draws nothing there.
  static bool PenColor(const TRecordedPen& pen, QColor& color) {
    color = ToQColor(pen.Color);
    switch (pen.Mode) {
      case TPenMode::Black: color = Qt::black; return true;
      case TPenMode::White: color = Qt::white; return true;
      case TPenMode::Nop:
      case TPenMode::Not: return false;
      case TPenMode::NotCopy: color = QColor(255 - color.red(), 255 - color.green(), 255 - color.blue()); return true;
      default: return true;
    }
  }

  static QRectF Box(const TDrawOp& op) {
    return QRectF(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2)).normalized();
  }

  void AppendPath(const QPainterPath& path) {
    TContent& o = content_;
    for (int i = 0; i < path.elementCount(); ++i) {
      const QPainterPath::Element e = path.elementAt(i);
      if (e.isMoveTo()) {
        o << e.x << e.y << "m\n";
      } else if (e.isLineTo()) {
        o << e.x << e.y << "l\n";
      } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
        const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
        o << e.x << e.y << c2.x << c2.y << end.x << end.y << "c\n";
        i += 2;
      }
    }
  }

  void AppendRect(const QRectF& r) {
    const double x = r.x(), y = r.y(), right = r.x() + r.width(), bottom = r.y() + r.height();
    content_ << x << y << "m\n" << right << y << "l\n" << right << bottom << "l\n" << x << bottom << "l\n"
                       << x << y << "l\n";
  }

  // Four quarter curves from the right end, clockwise in the downward page.
  void AppendEllipse(const QRectF& r) {
    constexpr double kKappa = 0.5522847498;  // control points of a quarter circle
    const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const double w2 = w / 2, h2 = h / 2, w2k = w2 * kKappa, h2k = h2 * kKappa;
    content_ << x + w << y + h2 << "m\n"
                       << x + w << y + h2 + h2k << x + w2 + w2k << y + h << x + w2 << y + h << "c\n"
                       << x + w2 - w2k << y + h << x << y + h2 + h2k << x << y + h2 << "c\n"
                       << x << y + h2 - h2k << x + w2 - w2k << y << x + w2 << y << "c\n"
                       << x + w2 + w2k << y << x + w << y + h2 - h2k << x + w << y + h2 << "c\n";
  }

  // Hatched brushes: the shape's path clips parallel lines a twentieth of an
  // inch apart.
  void Hatch(const QPainterPath& shape, const TBrushSpec& brush) {
    const QRectF r = shape.boundingRect();
    const double step = std::max(2.0, pages_.ResolutionX() / 20.0);
    Save();
    AppendPath(shape);
    content_.Raw("W n\n");
    SetStroke(ToQColor(brush.Color), 0);
    TContent& o = content_;
    const bool horizontal = brush.Style == TBrushStyle::Horizontal || brush.Style == TBrushStyle::Cross;
    const bool vertical = brush.Style == TBrushStyle::Vertical || brush.Style == TBrushStyle::Cross;
    const bool forward = brush.Style == TBrushStyle::FDiagonal || brush.Style == TBrushStyle::DiagCross;
    const bool backward = brush.Style == TBrushStyle::BDiagonal || brush.Style == TBrushStyle::DiagCross;
    if (horizontal)
      for (double y = r.top(); y <= r.bottom(); y += step) o << r.left() << y << "m" << r.right() << y << "l\n";
    if (vertical)
      for (double x = r.left(); x <= r.right(); x += step) o << x << r.top() << "m" << x << r.bottom() << "l\n";
    const double span = r.width() + r.height();
    if (forward)
      for (double d = 0; d <= span; d += step)
        o << r.left() + d - r.height() << r.bottom() << "m" << r.left() + d << r.top() << "l\n";
    if (backward)
      for (double d = 0; d <= span; d += step)
        o << r.left() + d - r.height() << r.top() << "m" << r.left() + d << r.bottom() << "l\n";
    content_.Raw("S\n");
    Restore();
  }

  // Fills and strokes a closed shape the way a painter with that pen and
  // brush does: the inside first, then the outline.
  void FillAndStroke(const QPainterPath& shape, const TBrushSpec& brush, const TRecordedPen& pen, const QColor& penColor,
                     bool outline) {
    const bool solid = brush.Style == TBrushStyle::Solid;
    if (brush.Style != TBrushStyle::Clear && !solid) Hatch(shape, brush);
    if (solid) SetFill(ToQColor(brush.Color));
    if (outline) SetStroke(penColor, pen.Width);
    if (!solid && !outline) return;
    AppendPath(shape);
    content_.Raw(solid && outline ? "B\n" : (solid ? "f\n" : "S\n"));
  }

  void Shape(const TDrawOp& op) {
    QColor color;
    if (!PenColor(op.Pen, color)) return;
    switch (op.Kind) {
      case TOpKind::Line:
        SetStroke(color, op.Pen.Width);
        content_ << op.X1 << op.Y1 << "m" << op.X2 << op.Y2 << "l S\n";
        break;
      case TOpKind::Rect:
      case TOpKind::FillRect:
      case TOpKind::Ellipse: {
        const QRectF box = Box(op);
        const bool outline = op.Kind != TOpKind::FillRect;
        const bool solid = op.Brush.Style == TBrushStyle::Solid;
        if (!solid && op.Brush.Style != TBrushStyle::Clear) {
          // Hatching clips to the shape: the general way.
          QPainterPath path;
          if (op.Kind == TOpKind::Ellipse) {
            path.addEllipse(box);
          } else {
            path.addRect(box);
          }
          FillAndStroke(path, op.Brush, op.Pen, color, outline);
          break;
        }
        // The same points a painter path would hold, written straight away.
        if (solid) SetFill(ToQColor(op.Brush.Color));
        if (outline) SetStroke(color, op.Pen.Width);
        if (!solid && !outline) break;
        if (op.Kind == TOpKind::Ellipse) {
          AppendEllipse(box);
        } else {
          AppendRect(box);
        }
        content_.Raw(solid && outline ? "B\n" : (solid ? "f\n" : "S\n"));
        break;
      }
      case TOpKind::Arc: {
        const QRectF box = Box(op);
        const double a1 = RayAngle(box, op.X3, op.Y3);
        double span = RayAngle(box, op.X4, op.Y4) - a1;
        while (span <= 0) span += 360.0;  // the same ray twice: the whole ellipse
        QPainterPath path;
        path.arcMoveTo(box, a1);
        path.arcTo(box, a1, span);
        SetStroke(color, op.Pen.Width);
        AppendPath(path);
        content_.Raw("S\n");
        break;
      }
      case TOpKind::Pie: FillAndStroke(PiePath(op), op.Brush, op.Pen, color, true); break;
      default: break;
    }
  }

  // Angle (degrees, counter-clockwise with y up) of the ray from the
  // ellipse's centre through (x, y).
  static double RayAngle(const QRectF& box, double x, double y) {
    const double rx = box.width() / 2, ry = box.height() / 2;
    if (rx <= 0 || ry <= 0) return 0;
    const QPointF c = box.center();
    return std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx) * 180.0 / std::numbers::pi;
  }

  void Text(const TDisplayList& list, const TDrawOp& op) {
    const TRecordedFont& f = list.FontOf(op);
    if (!f.Metrics) return;
    const std::string& text = list.TextOf(op);
    // The text's frame: origin at its top-left, x along the reading
    // direction, y down; turned text turns counter-clockwise on the page.
    QTransform frame = QTransform::fromTranslate(op.X1, op.Y1);
    if (f.Spec.Escapement != 0) frame.rotate(-f.Spec.Escapement / 10.0);
    if (op.Brush.Style == TBrushStyle::Solid) {
      Save();
      content_ << frame.m11() << frame.m12() << frame.m21() << frame.m22() << frame.dx() << frame.dy() << "cm\n";
      SetFill(ToQColor(op.Brush.Color));
      content_ << 0 << 0 << op.X2 << op.Y2 << "re f\n";
      Restore();
    }
    if (text.empty()) return;
    TFontUse& use = FontFor(*f.Metrics);
    for (const char ch : text) use.Used[static_cast<unsigned char>(ch)] = true;
    const int font = use.Number;
    const double size = f.Metrics->PixelSize();
    SetFill(ToQColor(f.Spec.Color));
    TContent& o = content_;
    o << "BT\n";
    if (state_.Font != font || state_.Size != size) {
      state_.Font = font;
      state_.Size = size;
      char name[16] = "/F";
      *std::to_chars(name + 2, name + sizeof name - 1, font).ptr = '\0';
      o << name << size << "Tf\n";
    }
    // Glyphs stand upright in the downward page: flip them about the baseline.
    if (f.Spec.Escapement == 0) {
      o << "1 0 0 -1" << op.X1 << op.Y1 + f.Metrics->Ascent() << "Tm\n";
    } else {
      const QTransform tm = QTransform(1, 0, 0, -1, 0, f.Metrics->Ascent()) * frame;
      o << tm.m11() << tm.m12() << tm.m21() << tm.m22() << tm.dx() << tm.dy() << "Tm\n";
    }
    o.Literal(text);
    o << " Tj\nET\n";
  }

  void Image(const TDisplayList& list, const TDrawOp& op) {
    // A stored picture is written from its coded form: its pixels are never
    // loaded.
    const std::optional<AssetName> stored = list.AssetOf(op);
    static const QImage kNone;
    const QImage& image = stored ? kNone : list.ImageOf(op);
    if (!stored && image.isNull()) return;
    int number = 0;
    const qint64 key = stored ? TPdfOutput::StoredKey(*stored) : image.cacheKey();
    const auto known = imageKeys_.find(key);
    if (known != imageKeys_.end()) {
      number = known->second;
    } else {
      const TPdfOutput::TEncodedImage& e = stored ? owner_.Encoded(*stored) : owner_.Encoded(image);
      // The same picture under another key (a second copy of one clock
      // face) is written once per document too.
      const auto written = encodedNumbers_.find(e.Id);
      if (written != encodedNumbers_.end()) {
        number = written->second;
      } else {
        const int object = NewObject();
        number = static_cast<int>(imageUses_.size()) + 1;
        imageUses_.push_back(TImageUse{object, number});
        encodedNumbers_.emplace(e.Id, number);
        Stream(object,
               View("/Type /XObject /Subtype /Image /Width " + QByteArray::number(e.Size.width()) + " /Height " +
                    QByteArray::number(e.Size.height()) + " /ColorSpace " + (e.Gray ? "/DeviceGray" : "/DeviceRGB") +
                    " /BitsPerComponent 8 /Interpolate true /DecodeParms [null null]"),
               View(e.Data), "[/FlateDecode /RunLengthDecode]");
      }
      imageKeys_.emplace(key, number);
    }
    imageUses_[static_cast<std::size_t>(number - 1)].OnPage = true;
    const QRectF box = Box(op);
    char name[16] = "/Im";
    *std::to_chars(name + 3, name + sizeof name - 1, number).ptr = '\0';
    content_ << "q\n" << box.width() << 0 << 0 << -box.height() << box.left() << box.bottom() << "cm\n" << name
                       << "Do\nQ\n";
  }

  TPdfOutput& owner_;
  const TMetaReport& pages_;
  TDocumentBytes& out_;
  std::vector<qsizetype> offsets_;
  double widthPt_ = 0, heightPt_ = 0;
  QByteArray mediaBox_;  // "width height " in points
  QTransform pageMatrix_;
  TContent content_;
  TState state_, saved_;
  std::vector<TFontUse> fonts_;
  std::vector<TImageUse> imageUses_;  // by number - 1
  std::map<qint64, int> imageKeys_;
  std::map<int, int> encodedNumbers_;  // TEncodedImage::Id -> number
};

TPdfOutput::TPdfOutput() : deflater_(std::make_unique<TDeflater>()) {}
TPdfOutput::~TPdfOutput() = default;

const TPdfOutput::TEncodedImage& TPdfOutput::Encoded(const QImage& image) {
  // The same picture object as in the document before (the answer key
  // draws the quiz's pictures again) needs no look at its pixels.
  const qint64 key = image.cacheKey();
  for (TEncodedImage& e : images_) {
    if (e.Key == key) {
      e.LastUsed = document_;
      return e;
    }
  }
  // The stored pictures come coded already (and better than the fastest
  // level a run can afford).
  if (const QByteArray* coded = AssetPdfStream(image)) return EncodedStored(key, image, image.size(), *coded);
  const QImage rgb = Opaque(image);
  const bool gray = Samples(rgb, samples_);
  // Line drawings on white are long runs of equal bytes: run-length coding
  // them first leaves deflate a tenth of the work (and its fastest level
  // loses little after that), and the hash a tenth of the bytes.
  RunLength(samples_, runs_);
  const std::size_t hash = qHash(runs_);
  for (TEncodedImage& e : images_) {
    if (e.Hash == hash && e.Gray == gray && e.Image.size() == rgb.size() && e.Image == rgb) {
      e.LastUsed = document_;
      return e;
    }
  }
  return Kept(key, rgb, rgb.size(), hash, gray, deflater_->Deflate(runs_, 1));
}

const TPdfOutput::TEncodedImage& TPdfOutput::Encoded(AssetName stored) {
  const qint64 key = StoredKey(stored);
  for (TEncodedImage& e : images_) {
    if (e.Key == key) {
      e.LastUsed = document_;
      return e;
    }
  }
  return EncodedStored(key, QImage(), AssetSize(stored), AssetPdfStream(stored));
}

// A stored picture drawn by name and the same one drawn as an image share
// one encoding.
const TPdfOutput::TEncodedImage& TPdfOutput::EncodedStored(qint64 key, const QImage& image, QSize size,
                                                           const QByteArray& coded) {
  const std::size_t hash = qHash(coded);
  for (TEncodedImage& e : images_) {
    if (e.Hash == hash && e.Gray && e.Data == coded) {
      e.LastUsed = document_;
      return e;
    }
  }
  return Kept(key, image, size, hash, true, coded);
}

const TPdfOutput::TEncodedImage& TPdfOutput::Kept(qint64 key, const QImage& image, QSize size, std::size_t hash,
                                                  bool gray, QByteArray data) {
  TEncodedImage e;
  e.Id = ++lastId_;
  e.Key = key;
  e.Image = image;
  e.Size = size;
  e.Hash = hash;
  e.Gray = gray;
  e.LastUsed = document_;
  e.Data = std::move(data);
  images_.push_back(std::move(e));
  return images_.back();
}

void TPdfOutput::StartDocument() {
  ++document_;
  // Pictures not used by this document or the one before are let go.
  std::erase_if(images_, [this](const TEncodedImage& e) { return e.LastUsed < document_ - 1; });
}

QByteArray TPdfOutput::Document(const TMetaReport& pages, const QString& title) {
  StartDocument();
  TDocumentBytes bytes(lastSize_ + lastSize_ / 8);
  TPdfDocumentBuilder(*this, pages, bytes).Build(title);
  QByteArray pdf = bytes.Take();
  lastSize_ = pdf.size();
  return pdf;
}

void TPdfOutput::Write(const TMetaReport& pages, const QString& path, const QString& title) {
  try {
    // The pages go into the new file as they are written.
    TAtomicFileWriter file(QFile::encodeName(path).toStdString());
    StartDocument();
    TDocumentBytes bytes(file);
    TPdfDocumentBuilder(*this, pages, bytes).Build(title);
    bytes.Flush();
    file.Commit();
  } catch (const std::system_error& e) {
    throw TPrintError(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path, QString::fromLocal8Bit(e.what())).toStdString());
  }
}

}  // namespace sumcraft
