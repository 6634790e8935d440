// The buttons' icons: the desktop's theme when it has the icon, the
// program's own drawings when it does not.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include "app/ToolIcons.h"

namespace sumcraft::test {
namespace {

bool HasInk(const QIcon& icon) {
  const QImage image = icon.pixmap(24, 24).toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).alpha() > 0) return true;
  return false;
}

class ToolIcons : public ::testing::Test {
 protected:
  void SetUp() override {
    savedTheme_ = QIcon::themeName();
    savedPaths_ = QIcon::themeSearchPaths();
  }
  void TearDown() override {
    QIcon::setThemeSearchPaths(savedPaths_);
    QIcon::setThemeName(savedTheme_);
  }
  QString savedTheme_;
  QStringList savedPaths_;
};

TEST_F(ToolIcons, ThemeIconWinsAndBundledDrawingsFillTheRest) {
  // A theme that has one icon only, painted in a colour no drawing uses.
  QTemporaryDir dir;
  const QString theme = dir.filePath(QStringLiteral("sumcraft-test"));
  ASSERT_TRUE(QDir().mkpath(theme + QStringLiteral("/24x24/actions")));
  QFile index(theme + QStringLiteral("/index.theme"));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write("[Icon Theme]\nName=Test\nDirectories=24x24/actions\n\n"
              "[24x24/actions]\nSize=24\nType=Fixed\n");
  index.close();
  QImage red(24, 24, QImage::Format_ARGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(theme + QStringLiteral("/24x24/actions/document-new.png")));

  const struct {
    const char* theme;
    bool themeHasNew;
  } cases[] = {{"sumcraft-no-such-theme", false}, {"sumcraft-test", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.theme);
    QIcon::setThemeSearchPaths({dir.path()});
    QIcon::setThemeName(QLatin1String(c.theme));
    for (TToolIcon icon : kAllToolIcons) {
      SCOPED_TRACE(static_cast<int>(icon));
      const QIcon shown = ToolIcon(icon);
      ASSERT_FALSE(shown.isNull());
      EXPECT_TRUE(HasInk(shown));
    }
    const QColor middle = ToolIcon(TToolIcon::New).pixmap(24, 24).toImage().pixelColor(12, 12);
    EXPECT_EQ(middle == QColor(Qt::red), c.themeHasNew);
  }
}

}  // namespace
}  // namespace sumcraft::test
