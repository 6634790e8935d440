#include "app/VersionProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

#include "generate/QuizVersions.h"
#include "generate/Random.h"

namespace sumcraft {

bool MakeVersionsShowingProgress(QWidget* parent, const TQuiz& quiz, int count, std::vector<TQuiz>& versions) {
  SeedRandomFromClock();
  const std::uint32_t seed = RandomState();
  const std::size_t total = std::max<std::size_t>(1, quiz.QuestionCount() * static_cast<std::size_t>(count));
  // The bar counts in steps that fit its int range, whatever the total.
  const std::size_t unit = total / 1000000 + 1;

  QProgressDialog progress(QStringLiteral("Generating %1 versions...").arg(count), QStringLiteral("Cancel"), 0,
                           static_cast<int>(total / unit), parent);
  progress.setWindowTitle(QStringLiteral("Print"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  progress.setValue(0);

  std::atomic<std::size_t> done{0};
  std::atomic<bool> stop{false};
  std::atomic<bool> finished{false};
  std::exception_ptr failure;
  bool made = false;
  // The window waits on the progress window meanwhile, so nothing else draws
  // from the random source; the quiz is only read.
  std::thread worker([&] {
    try {
      made = MakeQuizVersions(quiz, seed, count, versions, [&](std::size_t n) {
        done = n;
        return !stop.load();
      });
    } catch (...) {
      failure = std::current_exception();
    }
    finished = true;
  });

  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (progress.wasCanceled()) stop = true;
    progress.setValue(static_cast<int>(std::min(done.load(), total) / unit));
    if (finished) loop.quit();
  });
  poll.start(30);
  if (!finished) loop.exec();
  worker.join();
  progress.reset();
  if (failure) std::rethrow_exception(failure);
  if (!made || stop) {
    versions.clear();
    return false;
  }
  return true;
}

}  // namespace sumcraft
