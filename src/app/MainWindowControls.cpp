// The main window's controls: actions, menus, tool bar, page view, panel,
// and the dialogs created once with the window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/PageView.h"
#include "app/ToolIcons.h"
#include "app/UserPrompts.h"
#include "app/Zoom.h"
#include "dialogs/AboutBox.h"
#include "dialogs/ConfirmDeleteDialog.h"
#include "dialogs/OldSavedQuizDialog.h"
#include "dialogs/PrintOptionsDialog.h"
#include "dialogs/PromptForSaveDialog.h"
#include "dialogs/QuizOptionsDialog.h"
#include "widgets/UiFonts.h"

namespace sumcraft {

namespace {

constexpr int kPanelWidth = 214;
constexpr int kPanelButtonHeight = 40;

QAction* MakeAction(QObject* parent, const QString& text, const QList<QKeySequence>& keys = {}) {
  auto* action = new QAction(text, parent);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  return action;
}

QPushButton* MakePanelButton(QWidget* parent, const QString& text, TToolIcon icon, const QString& tip) {
  auto* button = new QPushButton(ToolIcon(icon), text, parent);
  button->setIconSize(QSize(24, 24));
  button->setMinimumHeight(kPanelButtonHeight);
  button->setToolTip(tip);
  button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 10px; }"));
  return button;
}

// An icon-only button: its name is said by screen readers.
QToolButton* MakeSmallButton(QWidget* parent, TToolIcon icon, const QString& name, const QString& tip) {
  auto* button = new QToolButton(parent);
  button->setAccessibleName(name);
  button->setIcon(ToolIcon(icon));
  button->setIconSize(QSize(20, 20));
  button->setToolTip(tip);
  button->setAutoRaise(false);
  return button;
}

QString WithKeys(const QString& tip, const QAction* action) {
  const QList<QKeySequence> keys = action->shortcuts();
  if (keys.isEmpty()) return tip;
  QStringList names;
  for (const QKeySequence& key : keys) names << key.toString(QKeySequence::NativeText);
  return QStringLiteral("%1 (%2)").arg(tip, names.join(QStringLiteral(", ")));
}

}  // namespace

void TMainWindow::CreateActions() {
  actNew = MakeAction(this, QStringLiteral("New"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
  actOpen = MakeAction(this, QStringLiteral("Open"), {QKeySequence(Qt::CTRL | Qt::Key_O)});
  actSave = MakeAction(this, QStringLiteral("Save"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
  actSaveAs = MakeAction(this, QStringLiteral("Save As..."));
  actPrint = MakeAction(this, QStringLiteral("Print"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
  actExit = MakeAction(this, QStringLiteral("Exit"));
  actUserInterfaceFeatures = MakeAction(this, QStringLiteral("User Interface Features"));
  actQuickStart = MakeAction(this, QStringLiteral("Quick Start"), {QKeySequence(Qt::Key_F1)});
  actContents = MakeAction(this, QStringLiteral("Contents"));
  actCheckForUpdates = MakeAction(this, QStringLiteral("Check for updates..."));
  actAbout = MakeAction(this, QStringLiteral("About..."));

  actNew->setIcon(ToolIcon(TToolIcon::New));
  actOpen->setIcon(ToolIcon(TToolIcon::Open));
  actSave->setIcon(ToolIcon(TToolIcon::Save));
  actPrint->setIcon(ToolIcon(TToolIcon::Print));
  actExit->setIcon(ToolIcon(TToolIcon::Exit));

  // Undo and Redo are in the Edit menu and on the panel; zoom is on the
  // panel. The keys work anywhere in the window.
  actUndo = MakeAction(this, QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
  actRedo = MakeAction(this, QStringLiteral("Redo"),
                       {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  actZoomIn = MakeAction(this, QStringLiteral("Zoom in"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  actZoomOut = MakeAction(this, QStringLiteral("Zoom out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  addActions({actUndo, actRedo, actZoomIn, actZoomOut});

  // A view state, not a command: checkable, in the View menu and beside
  // the zoom.
  actShowAnswers = MakeAction(this, QStringLiteral("Show answers"), {QKeySequence(Qt::CTRL | Qt::Key_K)});
  actShowAnswers->setCheckable(true);
}

void TMainWindow::CreateMenusAndToolBar() {
  QMenu* quizMenu = menuBar()->addMenu(QStringLiteral("&Quiz"));
  quizMenu->addAction(actNew);
  quizMenu->addAction(actOpen);
  CreateRecentMenu(quizMenu);
  quizMenu->addAction(actSave);
  quizMenu->addAction(actSaveAs);
  quizMenu->addSeparator();
  quizMenu->addAction(actPrint);
  quizMenu->addSeparator();
  quizMenu->addAction(actExit);

  QMenu* editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
  editMenu->addAction(actUndo);
  editMenu->addAction(actRedo);

  QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
  viewMenu->addAction(actShowAnswers);

  QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
  helpMenu->addAction(actUserInterfaceFeatures);
  helpMenu->addAction(actQuickStart);
  helpMenu->addAction(actContents);
  helpMenu->addSeparator();
  helpMenu->addAction(actCheckForUpdates);
  helpMenu->addSeparator();
  helpMenu->addAction(actAbout);

  ToolBar1 = addToolBar(QStringLiteral("Quiz"));
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  ToolBar1->setIconSize(QSize(32, 32));
  ToolBar1->addAction(actNew);
  ToolBar1->addAction(actOpen);
  ToolBar1->addAction(actSave);
  ToolBar1->addAction(actPrint);
  auto* spacer = new QWidget(ToolBar1);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  ToolBar1->addWidget(spacer);
  ToolBar1->addAction(actExit);
  for (QAction* action : {actNew, actOpen, actSave, actPrint, actExit}) {
    if (QWidget* button = ToolBar1->widgetForAction(action)) button->setMinimumWidth(64);
    action->setToolTip(WithKeys(action->text(), action));
  }
}

void TMainWindow::CreateCentralArea() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("CentralArea"));

  ScrollBox2 = new TPageView(central);
  // The file name runs along the bottom of the window, under the page;
  // the Print command's report shows there for a while after printing.
  lblQuizFilename = new QLabel(this);
  lblQuizFilename->setObjectName(QStringLiteral("lblQuizFilename"));
  lblQuizFilename->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblQuizFilename->setMinimumWidth(100);
  lblQuizFilename->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(lblQuizFilename, 1);

  auto* panel = new QWidget(central);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setFixedWidth(kPanelWidth);
  panel->setFont(TahomaFont(13));

  cmdAddQuestions = MakePanelButton(panel, QStringLiteral(" Add Questions     "), TToolIcon::AddQuestions,
                                    QStringLiteral("Add a set of questions to the quiz"));
  cmdDeleteQuestions = MakePanelButton(panel, QStringLiteral("  Delete Questions"), TToolIcon::DeleteQuestions,
                                       QStringLiteral("Delete the selected set of questions"));
  cmdUndo = MakePanelButton(panel, QStringLiteral("Undo"), TToolIcon::Undo, WithKeys(QStringLiteral("Undo"), actUndo));
  cmdRedo = MakePanelButton(panel, QStringLiteral("Redo"), TToolIcon::Redo, WithKeys(QStringLiteral("Redo"), actRedo));
  BitBtn4 = MakePanelButton(panel, QStringLiteral("  Set Quiz Options"), TToolIcon::QuizOptions,
                            QStringLiteral("Title, name blanks, page numbers and footer"));
  cmdRecreateSection = MakePanelButton(panel, QStringLiteral("  Re-create Section"), TToolIcon::RecreateSection,
                                       QStringLiteral("New questions for the selected set, with the same options"));
  cmdRecreateQuiz = MakePanelButton(panel, QStringLiteral("  Re-create Quiz"), TToolIcon::RecreateQuiz,
                                    QStringLiteral("New questions for every set, with the same options"));
  cmdUndo->setEnabled(false);
  cmdRedo->setEnabled(false);
  actUndo->setEnabled(false);
  actRedo->setEnabled(false);

  auto* undoRow = new QHBoxLayout;
  undoRow->setSpacing(6);
  undoRow->addWidget(cmdUndo);
  undoRow->addWidget(cmdRedo);

  auto* countCaption = new QLabel(QStringLiteral("# of Questions:"), panel);
  lblQuestionCount = new QLabel(QStringLiteral("0"), panel);
  lblQuestionCount->setObjectName(QStringLiteral("lblQuestionCount"));
  QFont bold = panel->font();
  bold.setBold(true);
  lblQuestionCount->setFont(bold);
  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countCaption);
  countRow->addWidget(lblQuestionCount);
  countRow->addStretch();

  cmdZoomOut = MakeSmallButton(panel, TToolIcon::ZoomOut, QStringLiteral("Zoom out"),
                               WithKeys(QStringLiteral("Zoom out"), actZoomOut));
  cmdZoomIn = MakeSmallButton(panel, TToolIcon::ZoomIn, QStringLiteral("Zoom in"),
                              WithKeys(QStringLiteral("Zoom in"), actZoomIn));
  cmbZoomPct = new QComboBox(panel);
  cmbZoomPct->setObjectName(QStringLiteral("cmbZoomPct"));
  cmbZoomPct->setEditable(true);
  cmbZoomPct->setInsertPolicy(QComboBox::NoInsert);
  cmbZoomPct->addItems(ZoomEntries());
  cmbZoomPct->setToolTip(QStringLiteral("Zoom: choose a size, or type a percentage and press Enter"));
  cmbZoomPct->setMaxVisibleItems(ZoomEntries().size());
  cmbZoomPct->setAccessibleName(QStringLiteral("Zoom"));
  cmbZoomPct->lineEdit()->setAccessibleName(QStringLiteral("Zoom percentage"));
  auto* zoomRow = new QHBoxLayout;
  zoomRow->setSpacing(4);
  zoomRow->addWidget(cmdZoomOut);
  zoomRow->addWidget(cmbZoomPct, 1);
  zoomRow->addWidget(cmdZoomIn);

  chkShowAnswers = new QCheckBox(QStringLiteral("Show answers"), panel);
  chkShowAnswers->setObjectName(QStringLiteral("chkShowAnswers"));
  chkShowAnswers->setAccessibleName(QStringLiteral("Show answers"));
  chkShowAnswers->setToolTip(
      WithKeys(QStringLiteral("Show the quiz with its answers, as the answer key prints"), actShowAnswers));

  cmdPreviousPage = MakeSmallButton(panel, TToolIcon::PreviousPage, QStringLiteral("Previous page"),
                                    QStringLiteral("Previous page (Page Up)"));
  cmdNextPage = MakeSmallButton(panel, TToolIcon::NextPage, QStringLiteral("Next page"),
                                QStringLiteral("Next page (Page Down)"));
  lblCurrentPage = new QLabel(QStringLiteral("1"), panel);
  lblCurrentPage->setObjectName(QStringLiteral("lblCurrentPage"));
  lblPageCount = new QLabel(QStringLiteral("1"), panel);
  lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
  lblCurrentPage->setFont(bold);
  lblPageCount->setFont(bold);
  auto* pageRow = new QHBoxLayout;
  pageRow->setSpacing(5);
  pageRow->addWidget(cmdPreviousPage);
  pageRow->addStretch();
  pageRow->addWidget(new QLabel(QStringLiteral("Page"), panel));
  pageRow->addWidget(lblCurrentPage);
  pageRow->addWidget(new QLabel(QStringLiteral("of"), panel));
  pageRow->addWidget(lblPageCount);
  pageRow->addStretch();
  pageRow->addWidget(cmdNextPage);

  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(4, 8, 4, 8);
  panelLayout->setSpacing(8);
  panelLayout->addWidget(cmdAddQuestions);
  panelLayout->addWidget(cmdDeleteQuestions);
  panelLayout->addLayout(undoRow);
  panelLayout->addSpacing(8);
  panelLayout->addWidget(BitBtn4);
  panelLayout->addWidget(cmdRecreateSection);
  panelLayout->addWidget(cmdRecreateQuiz);
  panelLayout->addStretch(1);
  panelLayout->addLayout(countRow);
  panelLayout->addSpacing(6);
  panelLayout->addLayout(zoomRow);
  panelLayout->addWidget(chkShowAnswers);
  panelLayout->addLayout(pageRow);

  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  layout->addWidget(ScrollBox2, 1);
  layout->addWidget(panel);
  setCentralWidget(central);

  tmrZoom = new QTimer(this);
  tmrZoom->setObjectName(QStringLiteral("tmrZoom"));
  tmrZoom->setSingleShot(true);
  tmrZoom->setInterval(10);

  // Long enough for the page just drawn to reach the screen first.
  tmrPrefetch = new QTimer(this);
  tmrPrefetch->setSingleShot(true);
  tmrPrefetch->setInterval(40);
}

void TMainWindow::ConnectControls() {
  auto command = [this](auto* sender, auto signal, void (TMainWindow::*handler)()) {
    connect(sender, signal, this, [this, handler] { (this->*handler)(); });
  };
  command(actNew, &QAction::triggered, &TMainWindow::NewCommand);
  command(actOpen, &QAction::triggered, &TMainWindow::OpenCommand);
  command(actSave, &QAction::triggered, &TMainWindow::SaveCommand);
  command(actSaveAs, &QAction::triggered, &TMainWindow::SaveAsCommand);
  command(actPrint, &QAction::triggered, &TMainWindow::PrintCommand);
  command(actExit, &QAction::triggered, &TMainWindow::ExitCommand);
  command(actCheckForUpdates, &QAction::triggered, &TMainWindow::CheckForUpdatesCommand);
  command(actAbout, &QAction::triggered, &TMainWindow::AboutCommand);
  command(actUndo, &QAction::triggered, &TMainWindow::UndoCommand);
  command(actRedo, &QAction::triggered, &TMainWindow::RedoCommand);
  command(actZoomIn, &QAction::triggered, &TMainWindow::ZoomInCommand);
  command(actZoomOut, &QAction::triggered, &TMainWindow::ZoomOutCommand);
  // clicked and triggered come from the user only, so showing the state in
  // both controls does not echo back.
  connect(actShowAnswers, &QAction::triggered, this, &TMainWindow::ShowAnswersCommand);
  connect(chkShowAnswers, &QCheckBox::clicked, this, &TMainWindow::ShowAnswersCommand);
  connect(actUserInterfaceFeatures, &QAction::triggered, this, [this] { ShowHelpTopic(kUserInterfaceTopic); });
  connect(actQuickStart, &QAction::triggered, this, [this] { ShowHelpTopic(kQuickStartTopic); });
  connect(actContents, &QAction::triggered, this, [this] { ShowHelpTopic(kContentsTopic); });

  command(cmdAddQuestions, &QPushButton::clicked, &TMainWindow::AddQuestionsCommand);
  command(cmdDeleteQuestions, &QPushButton::clicked, &TMainWindow::DeleteQuestionsCommand);
  command(cmdUndo, &QPushButton::clicked, &TMainWindow::UndoCommand);
  command(cmdRedo, &QPushButton::clicked, &TMainWindow::RedoCommand);
  command(BitBtn4, &QPushButton::clicked, &TMainWindow::SetQuizOptionsCommand);
  command(cmdRecreateSection, &QPushButton::clicked, &TMainWindow::RecreateSectionCommand);
  command(cmdRecreateQuiz, &QPushButton::clicked, &TMainWindow::RecreateQuizCommand);
  command(cmdZoomIn, &QToolButton::clicked, &TMainWindow::ZoomInCommand);
  command(cmdZoomOut, &QToolButton::clicked, &TMainWindow::ZoomOutCommand);
  command(cmdPreviousPage, &QToolButton::clicked, &TMainWindow::PreviousPageCommand);
  command(cmdNextPage, &QToolButton::clicked, &TMainWindow::NextPageCommand);
  command(ScrollBox2, &TPageView::PreviousPageRequested, &TMainWindow::PreviousPageCommand);
  command(ScrollBox2, &TPageView::NextPageRequested, &TMainWindow::NextPageCommand);
  command(ScrollBox2, &TPageView::Resized, &TMainWindow::PageViewResized);
  connect(ScrollBox2->Picture(), &TPagePicture::Released, this, &TMainWindow::PictureReleased);

  connect(cmbZoomPct, &QComboBox::activated, this, &TMainWindow::cmbZoomPctClick);
  connect(cmbZoomPct->lineEdit(), &QLineEdit::returnPressed, this, &TMainWindow::cmbZoomPctTyped);
  cmbZoomPct->installEventFilter(this);
  cmbZoomPct->lineEdit()->installEventFilter(this);
  connect(tmrZoom, &QTimer::timeout, this, &TMainWindow::tmrZoomTimer);
  connect(tmrPrefetch, &QTimer::timeout, this, [this] { Guarded(TFailedAction::Other, [this] { PrefetchNeighbours(); }); });
}

void TMainWindow::ShowUndoState() {
  const bool canUndo = document_->CanUndo();
  const bool canRedo = document_->CanRedo();
  cmdUndo->setEnabled(canUndo);
  cmdRedo->setEnabled(canRedo);
  actUndo->setEnabled(canUndo);
  actRedo->setEnabled(canRedo);
  // The step is named where there is room for it: the menu entry, and the
  // buttons' tip and accessible name.
  const QString undo = canUndo ? QStringLiteral("Undo %1").arg(document_->UndoName()) : QStringLiteral("Undo");
  const QString redo = canRedo ? QStringLiteral("Redo %1").arg(document_->RedoName()) : QStringLiteral("Redo");
  actUndo->setText(undo);
  actRedo->setText(redo);
  cmdUndo->setToolTip(WithKeys(undo, actUndo));
  cmdRedo->setToolTip(WithKeys(redo, actRedo));
  cmdUndo->setAccessibleName(undo);
  cmdRedo->setAccessibleName(redo);
}

void TMainWindow::ShowAnswersState(bool show) {
  actShowAnswers->setChecked(show);
  chkShowAnswers->setChecked(show);
}

void TMainWindow::CreateDialogs() {
  promptForSave_ = new TPromptForSave(this);
  confirmDelete_ = new TConfirmDeleteForm(this);
  oldSavedQuiz_ = new TOldSavedQuiz(this);
  quizOptions_ = new TfrmQuizOptions(this);
  aboutBox_ = new TAboutBox(this);
  printOptions_ = new TOKRightDlg(this);
  help_ = new THelpWindow([this](const QUrl& address) { prompts_->OpenUrl(address); }, this);
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event) {
  // While the zoom list has the focus the shown zoom waits a second, so
  // that it does not overwrite what is being typed; leaving the list shows
  // it at once.
  if (watched == cmbZoomPct || (cmbZoomPct && watched == cmbZoomPct->lineEdit())) {
    if (event->type() == QEvent::FocusIn) {
      tmrZoom->setInterval(1000);
    } else if (event->type() == QEvent::FocusOut) {
      tmrZoom->setInterval(1);
      ShowZoomPercent();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace sumcraft
