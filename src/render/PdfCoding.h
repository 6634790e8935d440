#pragma once
// The codings of PDF streams: run-length coding and deflate. Shared by the
// PDF writer and the build tool that stores the pictures already coded.
#include <QByteArray>

#include <array>
#include <memory>

struct z_stream_s;

namespace sumcraft {

// PDF run-length coding of `in` into `out` (reused): a length byte n then
// n + 1 bytes as they are (n < 128), or 257 - n copies of one byte
// (n > 128); 128 ends the data.
void RunLength(const QByteArray& in, QByteArray& out);

// The bytes run-length coded data stands for; empty when `in` is not whole
// run-length coding or would give more than `limit` bytes.
QByteArray RunLengthDecode(const QByteArray& in, qsizetype limit);

// zlib's inflate of `in`; empty when it is damaged or would give more than
// `limit` bytes.
QByteArray Inflate(const QByteArray& in, qsizetype limit);

// A deflate stream kept for the whole output: zlib's state of about a
// quarter megabyte is set up once, not for every page and picture, and
// serves every level (a state per level was a quarter megabyte of fresh
// memory more each).
class TDeflater {
public:
  TDeflater();
  ~TDeflater();
  TDeflater(const TDeflater&) = delete;
  TDeflater& operator=(const TDeflater&) = delete;

  // `data` in zlib's format (what FlateDecode reads).
  QByteArray Deflate(const QByteArray& data, int level);

private:
  std::unique_ptr<z_stream_s> stream_;
  int level_ = -1;
};

}  // namespace sumcraft
