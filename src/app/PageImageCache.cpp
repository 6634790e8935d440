#include "app/PageImageCache.h"

#include <algorithm>

#include "render/Layout.h"

namespace sumcraft {

bool TPageImageCache::Contains(std::uint64_t layoutSerial, int page, QSize size) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.serial == layoutSerial && e.page == page && e.size == size;
  });
}

const QImage& TPageImageCache::Page(TQuiz& quiz, std::uint64_t layoutSerial, int page, QSize size) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->serial == layoutSerial && it->page == page && it->size == size) {
      entries_.splice(entries_.begin(), entries_, it);
      return entries_.front().image;
    }
  }
  // Entries of older layouts can never be asked for again.
  entries_.remove_if([layoutSerial](const Entry& e) { return e.serial != layoutSerial; });
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  RenderPage(quiz, page, image);
  ++renders_;
  entries_.push_front(Entry{layoutSerial, page, size, std::move(image)});
  while (entries_.size() > capacity_) entries_.pop_back();
  return entries_.front().image;
}

}  // namespace sumcraft
