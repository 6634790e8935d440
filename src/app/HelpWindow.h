#pragma once
// The program's help: HTML pages compiled in (resources/help), one per
// topic, shown in a window of their own. Links between the pages stay in
// the window; links to web pages go to the system's browser. Escape closes
// the window.
//
//   help.ShowTopic(kQuickStartTopic);
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <functional>

class QToolButton;

namespace sumcraft {

inline const QString kQuickStartTopic = QStringLiteral("Quick_Start");
inline const QString kContentsTopic = QStringLiteral("Table_of_Contents");
inline const QString kUserInterfaceTopic = QStringLiteral("User_Interface_Features");

// The address of a topic's page.
QUrl HelpTopicUrl(const QString& topic);

// The page browser. Pages may name the maker's web addresses by the
// markers {SAMPLE_QUIZZES_ADDRESS} and {UPDATE_PAGE_ADDRESS}, which are
// filled in from the program's one list of addresses when a page loads.
class THelpBrowser : public QTextBrowser {
  Q_OBJECT

public:
  explicit THelpBrowser(QWidget* parent = nullptr);

  QVariant loadResource(int type, const QUrl& name) override;
};

class THelpWindow : public QWidget {
  Q_OBJECT

public:
  // openUrl hands web addresses to the browser.
  explicit THelpWindow(std::function<void(const QUrl&)> openUrl, QWidget* parent = nullptr);

  // Shows the window (raised and active) at the topic's page. A topic
  // without a page shows a page saying so.
  void ShowTopic(const QString& topic);

  THelpBrowser* Browser() const { return browser_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void LinkClicked(const QUrl& link);

  std::function<void(const QUrl&)> openUrl_;
  THelpBrowser* browser_;
  QToolButton* back_;
  QToolButton* forward_;
};

}  // namespace sumcraft
