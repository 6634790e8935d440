#include "app/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/ProgramIcons.h"
#include "widgets/ProgramVersion.h"
#include "widgets/WebAddresses.h"

namespace sumcraft {

namespace {

const QString kHelpScheme = QStringLiteral("qrc");

QString MissingPage(const QUrl& name) {
  return QStringLiteral("<html><body><h2>Help page not found</h2><p>The help page <b>%1</b> is not part of this "
                        "copy of Sumcraft.</p><p><a href=\"%2\">Go to the table of contents</a></p></body></html>")
      .arg(name.fileName().toHtmlEscaped(), HelpTopicUrl(kContentsTopic).toString());
}

}  // namespace

QUrl HelpTopicUrl(const QString& topic) { return QUrl(QStringLiteral("qrc:/help/%1.html").arg(topic)); }

THelpBrowser::THelpBrowser(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setObjectName(QStringLiteral("HelpBrowser"));
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::HtmlResource) return QTextBrowser::loadResource(type, name);
  const QString path = name.scheme() == kHelpScheme ? QLatin1Char(':') + name.path() : QString();
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return MissingPage(name);
  QString page = QString::fromUtf8(file.readAll());
  page.replace(QStringLiteral("{SAMPLE_QUIZZES_ADDRESS}"), QString::fromLatin1(kSampleQuizzesAddress));
  page.replace(QStringLiteral("{UPDATE_PAGE_ADDRESS}"),
               QString::fromLatin1(kUpdatePageBase) + ShortVersionText() + QStringLiteral(".html"));
  page.replace(QStringLiteral("{VERSION}"), ShortVersionText());
  return page;
}

THelpWindow::THelpWindow(std::function<void(const QUrl&)> openUrl, QWidget* parent)
    : QWidget(parent, Qt::Window), openUrl_(std::move(openUrl)) {
  setWindowTitle(QStringLiteral("Sumcraft Help"));
  setWindowIcon(ProgramIcon());
  resize(760, 620);

  auto* bar = new QHBoxLayout;
  auto makeButton = [&](const QString& text, QStyle::StandardPixmap picture) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setIcon(style()->standardIcon(picture));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
  };
  back_ = makeButton(QStringLiteral("Back"), QStyle::SP_ArrowBack);
  forward_ = makeButton(QStringLiteral("Forward"), QStyle::SP_ArrowForward);
  QToolButton* contents = makeButton(QStringLiteral("Contents"), QStyle::SP_FileDialogContentsView);
  QToolButton* quickStart = makeButton(QStringLiteral("Quick Start"), QStyle::SP_MediaPlay);
  QToolButton* features = makeButton(QStringLiteral("User Interface Features"), QStyle::SP_FileDialogDetailedView);
  bar->addStretch();

  browser_ = new THelpBrowser(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(bar);
  layout->addWidget(browser_);

  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(contents, &QToolButton::clicked, this, [this] { ShowTopic(kContentsTopic); });
  connect(quickStart, &QToolButton::clicked, this, [this] { ShowTopic(kQuickStartTopic); });
  connect(features, &QToolButton::clicked, this, [this] { ShowTopic(kUserInterfaceTopic); });
  connect(browser_, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
  // A window of its own, but read like a dialog: Escape puts it away.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void THelpWindow::ShowTopic(const QString& topic) {
  browser_->setSource(HelpTopicUrl(topic));
  show();
  raise();
  activateWindow();
}

void THelpWindow::LinkClicked(const QUrl& link) {
  if (link.scheme() == kHelpScheme || link.isRelative()) {
    browser_->setSource(browser_->source().resolved(link));
    return;
  }
  if (openUrl_) openUrl_(link);
}

}  // namespace sumcraft
