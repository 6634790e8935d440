#pragma once
// Rendered pages of the page view, kept so that turning back to a page,
// selecting a set or refreshing after a dialog costs an image copy instead
// of a replay. An entry belongs to one layout (its serial number), one page
// and one image size; the main window bumps the serial after every layout,
// so nothing is ever shown from a stale layout.
#include <QImage>
#include <QSize>
#include <cstdint>
#include <list>

namespace sumcraft {

class TQuiz;

class TPageImageCache {
public:
  explicit TPageImageCache(std::size_t capacity = 8) : capacity_(capacity) {}

  // Page `page` of the quiz's last layout at `size` device pixels: a white
  // page with its black frame and the recorded page stretched over it.
  const QImage& Page(TQuiz& quiz, std::uint64_t layoutSerial, int page, QSize size);

  // Whether that page is kept.
  bool Contains(std::uint64_t layoutSerial, int page, QSize size) const;

  void Clear() { entries_.clear(); }
  std::size_t Size() const { return entries_.size(); }
  // Replays done since creation (for tests and measurements).
  std::uint64_t Renders() const { return renders_; }

private:
  struct Entry {
    std::uint64_t serial;
    int page;
    QSize size;
    QImage image;
  };
  std::size_t capacity_;
  std::list<Entry> entries_;  // most recently used first
  std::uint64_t renders_ = 0;
};

}  // namespace sumcraft
