#include "render/PdfCoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <zlib.h>

namespace sumcraft {

void RunLength(const QByteArray& in, QByteArray& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(in.constData());
  const qsizetype n = in.size();
  // At worst every 128 bytes take one length byte more, and the end mark.
  out.resize(n + n / 128 + 2);
  char* o = out.data();
  qsizetype i = 0;
  while (i < n) {
    // Runs of white fill most of a picture: look at eight bytes at a time.
    const qsizetype limit = std::min<qsizetype>(128, n - i);
    const std::uint64_t eight = 0x0101010101010101ull * p[i];
    qsizetype run = 1;
    for (std::uint64_t word; run + 8 <= limit; run += 8) {
      std::memcpy(&word, p + i + run, 8);
      if (word != eight) break;
    }
    while (run < limit && p[i + run] == p[i]) ++run;
    if (run >= 2) {
      *o++ = static_cast<char>(257 - run);
      *o++ = static_cast<char>(p[i]);
      i += run;
      continue;
    }
    // Literal bytes up to the next run of at least three.
    qsizetype len = 1;
    while (i + len < n && len < 128 &&
           !(i + len + 2 < n && p[i + len] == p[i + len + 1] && p[i + len] == p[i + len + 2]))
      ++len;
    *o++ = static_cast<char>(len - 1);
    std::memcpy(o, p + i, static_cast<std::size_t>(len));
    o += len;
    i += len;
  }
  *o++ = static_cast<char>(128);
  out.resize(o - out.constData());
}


QByteArray RunLengthDecode(const QByteArray& in, qsizetype limit) {
  QByteArray out;
  out.reserve(limit);
  const auto* p = reinterpret_cast<const unsigned char*>(in.constData());
  const qsizetype n = in.size();
  for (qsizetype i = 0; i < n;) {
    const unsigned length = p[i++];
    if (length == 128) return out;
    if (length < 128) {
      const qsizetype count = length + 1;
      if (i + count > n || out.size() + count > limit) return {};
      out.append(reinterpret_cast<const char*>(p + i), count);
      i += count;
    } else {
      const qsizetype count = 257 - length;
      if (i >= n || out.size() + count > limit) return {};
      out.append(count, static_cast<char>(p[i++]));
    }
  }
  return {};  // no end mark
}

QByteArray Inflate(const QByteArray& in, qsizetype limit) {
  QByteArray out(limit, Qt::Uninitialized);
  auto length = static_cast<uLongf>(limit);
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(in.constData()),
                 static_cast<uLong>(in.size())) != Z_OK) {
    return {};
  }
  out.resize(static_cast<qsizetype>(length));
  return out;
}

TDeflater::TDeflater() = default;

TDeflater::~TDeflater() {
  if (stream_) deflateEnd(stream_.get());
}

QByteArray TDeflater::Deflate(const QByteArray& data, int level) {
  level = std::clamp(level, 0, 9);
  std::unique_ptr<z_stream>& z = stream_;
  if (!z) {
    z = std::make_unique<z_stream>();
    if (deflateInit(z.get(), level) != Z_OK) {
      z.reset();
      throw std::bad_alloc();
    }
    level_ = level;
  } else if (level != level_) {
    // On a stream just reset this only changes the level's parameters: the
    // output is a fresh stream's at that level.
    if (deflateParams(z.get(), level, Z_DEFAULT_STRATEGY) != Z_OK) throw std::bad_alloc();
    level_ = level;
  }
  QByteArray out(static_cast<qsizetype>(deflateBound(z.get(), static_cast<uLong>(data.size()))), Qt::Uninitialized);
  z->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
  z->avail_in = static_cast<uInt>(data.size());
  z->next_out = reinterpret_cast<Bytef*>(out.data());
  z->avail_out = static_cast<uInt>(out.size());
  const int result = deflate(z.get(), Z_FINISH);  // the bound always holds the whole stream
  out.resize(static_cast<qsizetype>(z->total_out));
  deflateReset(z.get());
  if (result != Z_STREAM_END) throw std::bad_alloc();
  return out;
}

}  // namespace sumcraft
