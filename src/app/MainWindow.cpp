// The main window: creation, the page view (zoom, pages, selection and its
// frame, the welcome page) and RefreshView.
#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <algorithm>

#include "app/DataFolders.h"
#include "app/PageView.h"
#include "app/UserPrompts.h"
#include "app/WelcomePage.h"
#include "dialogs/PrinterRequiredDialog.h"
#include "dialogs/PromptForSaveDialog.h"
#include "render/Fonts.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/Printers.h"
#include "render/Rounding.h"
#include "widgets/ProgramIcons.h"
#include "widgets/ProgramVersion.h"

namespace sumcraft {

TMainWindow::TMainWindow(const TMainWindowSetup& setup, QWidget* parent)
    : QMainWindow(parent), settings_(setup.Settings) {
  if (setup.Prompts) {
    prompts_ = setup.Prompts;
  } else {
    ownedPrompts_ = std::make_unique<TUserPrompts>();
    prompts_ = ownedPrompts_.get();
  }
  startingUp_ = true;
  setWindowIcon(ProgramIcon());
  // The dialogs' "Tahoma" must exist before any window uses it.
  EnsureBundledFonts();

  const int printers = setup.PrinterCount ? setup.PrinterCount() : TPrinters::Instance().Count();
  if (printers <= 0) {
    // Everything is measured on a printer: without one there is nothing
    // this window can show.
    TPrinterRequiredDialog dialog(this);
    prompts_->Exec(dialog);
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }

  exiting_ = false;
  setWindowTitle(QStringLiteral("Sumcraft ") + ShortVersionText());
  workingSet_ = std::make_unique<TQuestionSet>();
  currentPage_ = 1;
  selectedSet_ = -1;

  CreateActions();
  CreateMenusAndToolBar();
  CreateCentralArea();
  ConnectControls();
  statusBar();

  document_ = new TQuizDocument(this);
  ConnectDocument();
  quizFolder_ = setup.QuizFolder.isEmpty() ? QuizFolder() : setup.QuizFolder;

  // The window opens at its classic size (the client area below the menu
  // bar); it may be resized, and the page view grows with it.
  setMinimumSize(720, 520);
  resize(kDefaultWidth, kDefaultHeight + menuBar()->sizeHint().height());
  RestoreWindowPlace();
  if (QLayout* frame = layout()) frame->activate();

  SetPictureSize(QSize(kStartPictureWidth, kStartPictureHeight));
  FitWidth();
  ShowBlankPage();
  ShowWelcomePage();
  zoomPercent_ = ZoomPercentOf(PictureSize().width(), Paper(), ScreenDpiX());
  cmbZoomPct->setEditText(QStringLiteral("%1 %").arg(zoomPercent_));

  CreateDialogs();
  created_ = true;
}

TMainWindow::~TMainWindow() = default;

// ---------------------------------------------------------------------------
// Screen and picture

void TMainWindow::SetScreenDpi(double x, double y) {
  screenDpiX_ = x;
  screenDpiY_ = y;
}

double TMainWindow::ScreenDpiX() const { return screenDpiX_ > 0 ? screenDpiX_ : logicalDpiX(); }
double TMainWindow::ScreenDpiY() const { return screenDpiY_ > 0 ? screenDpiY_ : logicalDpiY(); }

double TMainWindow::PixelRatio() const {
  const double ratio = devicePixelRatioF();
  return ratio > 0 ? ratio : 1.0;
}

QSize TMainWindow::PictureSize() const { return ScrollBox2 ? ScrollBox2->PictureSize() : QSize(); }

QSize TMainWindow::DevicePictureSize() const { return DeviceSizeOf(PictureSize()); }

QSize TMainWindow::DeviceSizeOf(QSize size) const {
  const double ratio = PixelRatio();
  return {std::max(1, Nearest(size.width() * ratio)), std::max(1, Nearest(size.height() * ratio))};
}

const QImage& TMainWindow::PictureImage() const { return ScrollBox2->Picture()->Image(); }

void TMainWindow::SetPictureSize(QSize size) { ScrollBox2->SetPictureSize(BoundedPictureSize(size)); }

void TMainWindow::SetPictureImage(QImage image) {
  image.setDevicePixelRatio(PixelRatio());
  ScrollBox2->Picture()->SetImage(std::move(image));
}

TPaperMeasure TMainWindow::Paper() const {
  const TPrinterDevice& printer = QuizPages(Quiz()).Printer();
  return {printer.PhysicalWidth(), printer.PhysicalHeight(), printer.ResolutionX(), printer.ResolutionY()};
}

// ---------------------------------------------------------------------------
// Refreshing

void TMainWindow::ConnectDocument() {
  connect(document_, &TQuizDocument::Changed, this,
          [this](const TQuizChange& change) { Guarded(TFailedAction::Other, [&] { DocumentChanged(change); }); });
  connect(document_, &TQuizDocument::ModifiedChanged, this, &TMainWindow::ShowFileName);
  connect(document_, &TQuizDocument::FileNameChanged, this, &TMainWindow::ShowFileName);
  connect(document_, &TQuizDocument::HistoryChanged, this, &TMainWindow::ShowUndoState);
  connect(document_, &TQuizDocument::ShowAnswersChanged, this, &TMainWindow::ShowAnswersState);
  ShowUndoState();
  ShowFileName();
  pageCount_ = document_->PageCount();
  lblPageCount->setText(QString::number(pageCount_));
  lblQuestionCount->setText(QStringLiteral("0"));
  SetCurrentPage(1);
}

void TMainWindow::DocumentChanged(const TQuizChange& change) {
  pageCount_ = document_->PageCount();
  if (change.Replaced) {
    SetCurrentPage(1);
    if (document_->SetCount() == 0) selectedSet_ = -1;
  } else if (change.AddedSet >= 0) {
    // A set that comes in is shown and selected: it is what the user is
    // working on.
    selectedSet_ = change.AddedSet;
    const TQuestionSet& set = Quiz().Sets.Item(static_cast<std::size_t>(change.AddedSet));
    SetCurrentPage(change.AddedSet + 1 == document_->SetCount() ? pageCount_ : set.FirstPage);
  }
  RefreshView();
}

void TMainWindow::RefreshView() {
  ScrollBox2->PlacePicture();

  pageCount_ = QuizPages(Quiz()).PageCount();
  lblPageCount->setText(QString::number(pageCount_));
  lblQuestionCount->setText(QString::number(Quiz().QuestionCount()));

  if (currentPage_ > pageCount_) SetCurrentPage(pageCount_);
  const int lastSet = static_cast<int>(Quiz().Sets.Count()) - 1;
  if (selectedSet_ > lastSet) selectedSet_ = lastSet;

  if (Quiz().Sets.Count() > 0 || Quiz().Modified) DrawPage();
  else ShowWelcomePage();

  ShowFileName();
  zoomPercent_ = ZoomPercentOf(PictureSize().width(), Paper(), ScreenDpiX());
  ShowZoomPercent();
}

void TMainWindow::DrawPage() {
  QImage image = pageCache_.Page(Quiz(), LayoutSerial(), currentPage_, DevicePictureSize());
  showingWelcome_ = false;
  tmrPrefetch->start();
  const std::optional<TFrameCorners> corners = FrameCorners();
  double horizontal = 0, vertical = 0;
  if (!corners || !FrameScales(horizontal, vertical)) {
    SetPictureImage(std::move(image));
    return;
  }
  const double ratio = PixelRatio();
  TMetaReport::DrawSelectionFrame(corners->Left, corners->Top, corners->Right, corners->Bottom, image,
                                  vertical * ratio, horizontal * ratio);
  SetPictureImage(std::move(image));
  ScrollBox2->ScrollForFrameBottom(Nearest(corners->Bottom * vertical));
}

void TMainWindow::PrefetchNeighbours() {
  if (showingWelcome_) return;
  // What the user is likely to ask for next: the next and the previous
  // page, then this page one zoom step larger and smaller.
  const QSize size = DevicePictureSize();
  const auto zoomed = [this](int percent) {
    return DeviceSizeOf(BoundedPictureSize(PictureSizeForZoom(percent, Paper(), ScreenDpiX(), ScreenDpiY())));
  };
  const std::pair<int, QSize> wanted[] = {{currentPage_ + 1, size},
                                           {currentPage_ - 1, size},
                                           {currentPage_, zoomed(ZoomInPercent(zoomPercent_, ZoomEntries()))},
                                           {currentPage_, zoomed(ZoomOutPercent(zoomPercent_, ZoomEntries()))}};
  for (const auto& [page, pageSize] : wanted) {
    if (page < 1 || page > pageCount_ || pageCache_.Contains(LayoutSerial(), page, pageSize)) continue;
    pageCache_.Page(Quiz(), LayoutSerial(), page, pageSize);
    // One page per turn of the event loop keeps the window answering.
    QTimer::singleShot(0, this, [this] { Guarded(TFailedAction::Other, [this] { PrefetchNeighbours(); }); });
    return;
  }
}

bool TMainWindow::FrameScales(double& horizontal, double& vertical) const {
  const TMetaReport& pages = QuizPages(Quiz());
  const QSize paper = pages.PhysicalPageSize();
  const int across = paper.width() - 2 * pages.OffsetX();
  const int down = paper.height() - 2 * pages.OffsetY();
  if (across <= 0 || down <= 0) return false;
  horizontal = static_cast<double>(PictureSize().width()) / across;
  vertical = static_cast<double>(PictureSize().height()) / down;
  return true;
}

std::optional<TMainWindow::TFrameCorners> TMainWindow::FrameCorners() const {
  if (selectedSet_ < 0 || selectedSet_ >= static_cast<int>(Quiz().Sets.Count())) return std::nullopt;
  const TQuestionSet& set = Quiz().Sets.Item(static_cast<std::size_t>(selectedSet_));
  if (currentPage_ < set.FirstPage || currentPage_ > set.LastPage) return std::nullopt;
  const TMetaReport& pages = QuizPages(Quiz());
  // The margins around the set come from the letter "H" of the picture's
  // font: the dialogs' "Tahoma" at 8 points on the screen.
  const TFontMetrics& font = TFontMetrics::Get(TBundledFace::UI, FontPixelSize(8, Nearest(ScreenDpiY())), false);
  const int w = font.Width("H");
  const int h = font.Height();
  TFrameCorners c;
  c.Left = set.StartX - 2 * w;
  c.Right = set.EndX + 2 * w;
  c.Top = (currentPage_ == set.FirstPage ? set.StartY : pages.Top()) - h;
  c.Bottom = currentPage_ == set.LastPage ? set.EndY : pages.Bottom() - 2 * pages.OffsetY();
  return c;
}

QRect TMainWindow::SelectionFrame() const {
  const std::optional<TFrameCorners> c = FrameCorners();
  double horizontal = 0, vertical = 0;
  if (!c || !FrameScales(horizontal, vertical)) return {};
  return QRect(QPoint(Nearest(c->Left * horizontal), Nearest(c->Top * vertical)),
               QPoint(Nearest(c->Right * horizontal), Nearest(c->Bottom * vertical)));
}

void TMainWindow::ShowBlankPage() {
  QImage image(DevicePictureSize(), QImage::Format_RGB32);
  DrawBlankPage(image, PixelRatio());
  SetPictureImage(std::move(image));
}

void TMainWindow::ShowWelcomePage() {
  QImage image(DevicePictureSize(), QImage::Format_RGB32);
  DrawWelcomePage(image, Nearest(ScreenDpiY()), PixelRatio());
  SetPictureImage(std::move(image));
  showingWelcome_ = true;
}

void TMainWindow::ShowFileName() { lblQuizFilename->setText(QuizFileNameText()); }

QString TMainWindow::QuizFileNameText() const {
  QString name = QStringLiteral("<new quiz>");
  if (!Quiz().FileName.empty()) {
    name = QuizPathText(Quiz().FileName);
    // The home folder as "~", so that the part that tells quizzes apart
    // fits the line.
    const QString home = QDir::homePath() + QLatin1Char('/');
    if (home.size() > 1 && name.startsWith(home)) name = QStringLiteral("~/") + name.mid(home.size());
    name = QDir::toNativeSeparators(name);
  }
  return Quiz().Modified ? QStringLiteral("* ") + name : name;
}

// ---------------------------------------------------------------------------
// Pages and selection

void TMainWindow::SetCurrentPage(int n) {
  if (n >= 1) currentPage_ = std::min(n, pageCount_);
  if (currentPage_ < 1) currentPage_ = 1;
  lblCurrentPage->setText(QString::number(currentPage_));
}

void TMainWindow::SelectSet(int index) {
  selectedSet_ = index;
  if (!showingWelcome_) DrawPage();
}

void TMainWindow::SelectSetAt(QPoint position) {
  double horizontal = 0, vertical = 0;
  if (!FrameScales(horizontal, vertical) || vertical <= 0) return;
  const int pageY = Nearest(position.y() / vertical);
  selectedSet_ = SetAtPosition(Quiz(), pageY, currentPage_, selectedSet_);
}

void TMainWindow::PictureReleased(QPoint position) {
  Guarded(TFailedAction::Other, [&] {
    SelectSetAt(position);
    RefreshView();
  });
}

void TMainWindow::PreviousPageCommand() {
  Guarded(TFailedAction::Other, [&] {
    SetCurrentPage(currentPage_ - 1);
    RefreshView();
  });
}

void TMainWindow::NextPageCommand() {
  Guarded(TFailedAction::Other, [&] {
    SetCurrentPage(currentPage_ + 1);
    RefreshView();
  });
}

// ---------------------------------------------------------------------------
// Zoom

void TMainWindow::SetZoom(int percent) {
  fitOnResize_ = false;
  SetPictureSize(PictureSizeForZoom(percent, Paper(), ScreenDpiX(), ScreenDpiY()));
  RefreshView();
}

void TMainWindow::FitWidth() { SetPictureSize(FitWidthSize(PictureSize(), ScrollBox2->BoxWidth())); }

void TMainWindow::FitPage() {
  fitOnResize_ = false;
  SetPictureSize(FitPageSize(PictureSize(), ScrollBox2->BoxHeight()));
  RefreshView();
}

void TMainWindow::ZoomInCommand() {
  Guarded(TFailedAction::Other, [&] { SetZoom(ZoomInPercent(zoomPercent_, ZoomEntries())); });
}

void TMainWindow::ZoomOutCommand() {
  Guarded(TFailedAction::Other, [&] { SetZoom(ZoomOutPercent(zoomPercent_, ZoomEntries())); });
}

// ---------------------------------------------------------------------------
// Answers

void TMainWindow::ShowAnswersCommand(bool show) {
  // The document lays the quiz out again and the view follows its Changed
  // signal, page and zoom kept (the page clamped should the count differ).
  Guarded(TFailedAction::Other, [&] { document_->SetShowAnswers(show); });
  // The controls say what the document holds, whatever happened.
  ShowAnswersState(document_->ShowAnswers());
}

void TMainWindow::cmbZoomPctClick(int index) {
  Guarded(TFailedAction::Other, [&] {
    const QString entry = cmbZoomPct->itemText(index);
    fitOnResize_ = false;
    if (entry == kFitWidthEntry) FitWidth();
    else if (entry == kFitPageEntry) FitPage();
    else SetZoom(EntryPercent(entry, zoomPercent_));
    RefreshView();
  });
}

void TMainWindow::cmbZoomPctTyped() {
  const QString text = cmbZoomPct->currentText();
  if (ZoomEntries().contains(text)) return;  // the list's own entries come as a choice
  Guarded(TFailedAction::Other, [&] {
    if (const std::optional<int> percent = TypedZoomPercent(text)) SetZoom(*percent);
    else ShowZoomPercent();
  });
}

void TMainWindow::ShowZoomPercent() { tmrZoom->start(); }

void TMainWindow::tmrZoomTimer() {
  tmrZoom->stop();
  cmbZoomPct->setEditText(QStringLiteral("%1 %").arg(zoomPercent_));
  if (!startingUp_) ScrollBox2->setFocus(Qt::OtherFocusReason);
}

void TMainWindow::PageViewResized() {
  // While the window is still being placed, its size may change (a small
  // screen, a tiling desktop): the first page then fits the final width.
  // Once the user is at work (the window was active, or a zoom chosen) a
  // new size only centres the picture again.
  if (!fitOnResize_ || !created_) return;
  Guarded(TFailedAction::Other, [&] {
    FitWidth();
    if (showingWelcome_) ShowWelcomePage();
    else RefreshView();
    zoomPercent_ = ZoomPercentOf(PictureSize().width(), Paper(), ScreenDpiX());
    ShowZoomPercent();
  });
}

// ---------------------------------------------------------------------------
// Window events

void TMainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    startingUp_ = false;
    fitOnResize_ = false;
  }
  QMainWindow::changeEvent(event);
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (created_) RememberWindowPlace();
  if (!created_ || !Quiz().Modified || exiting_) {
    event->accept();
    return;
  }
  bool allow = false;
  Guarded(TFailedAction::Other, [&] {
    const int answer = prompts_->Exec(*promptForSave_);
    if (answer == TPromptForSave::Yes) allow = SaveQuiz();
    else allow = answer == TPromptForSave::No;
  });
  if (allow) event->accept();
  else event->ignore();
}

// ---------------------------------------------------------------------------
// Errors

void TMainWindow::Guarded(TFailedAction action, const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ShowFailure(action, error);
  }
}

void TMainWindow::ShowFailure(TFailedAction action, const std::exception& error) {
  prompts_->Message(this, TMessageKind::Error, FailureTitle(action), FailureMessage(action, error));
}

}  // namespace sumcraft
