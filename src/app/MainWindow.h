#pragma once
// TMainWindow: the program's one main window. A view of the current quiz:
// a tool bar and a menu for the file commands, the page view on the left
// showing one page of the last layout, and a panel on the right with the
// editing commands, the question count, the zoom and the page navigation.
//
// The quiz itself, its file, its undo history and its layout belong to the
// document (TQuizDocument); the commands here ask the user what to do and
// hand the change to the document. The window observes the document and
// redraws once per change (RefreshView replays the current page and frames
// the selected set). Nothing is drawn from a stale layout: each layout gets
// a new serial number, and the rendered pages kept for quick redrawing
// belong to one serial.
//
// Everything the window asks of the user goes through TUserPrompts, so
// that tests can answer the dialogs without modal loops.
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/AddQuestionsWizard.h"
#include "app/CommandErrors.h"
#include "app/PageImageCache.h"
#include "app/Zoom.h"
#include "document/QuizDocument.h"
#include "quiz/Quiz.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;
class QToolButton;

namespace sumcraft {

class TAboutBox;
class TConfirmDeleteForm;
class THelpWindow;
class TOKRightDlg;
class TOldSavedQuiz;
class TPageView;
class TPgmSettings;
class TPromptForSave;
class TUserPrompts;
class TfrmQuizOptions;

struct TMainWindowSetup {
  // The program settings, handed on to the wizard's dialogs; may be null.
  TPgmSettings* Settings = nullptr;
  // The user's answers; null means the real dialogs.
  TUserPrompts* Prompts = nullptr;
  // The number of printers installed; null means the printer list's count.
  std::function<int()> PrinterCount;
  // Where the file dialogs start; empty means the quiz folder (QuizFolder()).
  QString QuizFolder;
};

// The choices of the last print options dialog, kept between prints.
struct TPrintSettings {
  int Copies = 1;
  bool PrintKey = false;
  int PrinterIndex = -1;
  QString PrinterName;
};

class TMainWindow : public QMainWindow {
  Q_OBJECT

public:
  // The client size the window opens with.
  static constexpr int kDefaultWidth = 1015;
  static constexpr int kDefaultHeight = 716;
  // The size of the picture before it is first fitted to the view's width.
  static constexpr int kStartPictureWidth = 780;
  static constexpr int kStartPictureHeight = 1009;

  explicit TMainWindow(const TMainWindowSetup& setup = {}, QWidget* parent = nullptr);
  ~TMainWindow() override;

  // False when the window refused to start (no printer): the program ends.
  bool Created() const { return created_; }

  // The question-add wizard (AddQuestionsWizard.h); none at first.
  void SetAddQuestionsWizard(TAddQuestionsWizard wizard) { addQuestionsWizard_ = std::move(wizard); }
  bool HasAddQuestionsWizard() const { return static_cast<bool>(addQuestionsWizard_); }

  // ---- State.
  TQuizDocument& Document() { return *document_; }
  TQuiz& Quiz() const { return document_->Quiz(); }
  TQuestionSet& WorkingSet() { return *workingSet_; }
  int CurrentPage() const { return currentPage_; }
  int PageCount() const { return pageCount_; }
  int SelectedSet() const { return selectedSet_; }
  int ZoomPercent() const { return zoomPercent_; }
  bool StartingUp() const { return startingUp_; }
  bool Exiting() const { return exiting_; }
  const TPrintSettings& PrintSettings() const { return printSettings_; }
  const QString& QuizFolderPath() const { return quizFolder_; }
  TPgmSettings* Settings() const { return settings_; }
  // Whether the picture shows the welcome page rather than a quiz page.
  bool ShowingWelcomePage() const { return showingWelcome_; }
  // The page picture as shown (device pixels).
  const QImage& PictureImage() const;
  QSize PictureSize() const;
  // Serial number of the last layout.
  std::uint64_t LayoutSerial() const { return document_->LayoutSerial(); }
  const TPageImageCache& PageCache() const { return pageCache_; }

  // The screen resolution the zoom is measured in; the widget's logical
  // resolution unless set (tests fix it).
  void SetScreenDpi(double x, double y);
  double ScreenDpiX() const;
  double ScreenDpiY() const;

  // ---- View operations.
  void RefreshView();
  // n >= 1: CurrentPage becomes min(n, PageCount); below 1 it stays.
  void SetCurrentPage(int n);
  // Sets SelectedSet and draws the picture with its frame.
  void SelectSet(int index);
  // Selects the set under a point of the picture (picture pixels).
  void SelectSetAt(QPoint position);
  void SetZoom(int percent);
  void FitWidth();
  void FitPage();
  void ShowBlankPage();
  void ShowWelcomePage();
  // The frame of the selected set on the current page, in picture pixels;
  // empty when nothing is framed.
  QRect SelectionFrame() const;

  // ---- Commands (each ends any error it meets with a message).
  void NewCommand();
  void OpenCommand();
  // Opens a quiz file as Open does after its dialog: the program's one
  // argument comes this way. Answers whether the quiz was opened.
  bool OpenQuizFile(const QString& path);
  void SaveCommand();
  void SaveAsCommand();
  void ExitCommand();
  void PrintCommand();
  void AddQuestionsCommand();
  void DeleteQuestionsCommand();
  void RecreateSectionCommand();
  void RecreateQuizCommand();
  void SetQuizOptionsCommand();
  void UndoCommand();
  void RedoCommand();
  void ZoomInCommand();
  void ZoomOutCommand();
  // The pages with their answers (the answer key as it prints), or without.
  void ShowAnswersCommand(bool show);
  void PreviousPageCommand();
  void NextPageCommand();
  void ShowHelpTopic(const QString& topic);
  void CheckForUpdatesCommand();
  void AboutCommand();

  // ---- Operations the commands share.
  // Whether the calling command may go on (asks to save a changed quiz).
  bool AskToSave();
  // Save to the known file or ask for one; whether the quiz was saved.
  bool SaveQuiz();
  // Always asks for a file; whether the quiz was saved.
  bool SaveQuizAs();
  // The text without any of < > : " \ / | ? *.
  static QString CleanFileName(const QString& text);
  // The text of the file-name label for the current quiz.
  QString QuizFileNameText() const;
  // The update page of this version.
  static QString UpdatePageAddress();

  // ---- Desktop conventions (MainWindowDesktop.cpp).
  // The files of Open Recent, the latest first.
  const QStringList& RecentFiles() const { return recentFiles_; }
  static constexpr int kRecentFileCount = 10;
  // Whether the window took the size and place it had when last closed.
  bool PlaceRestored() const { return placeRestored_; }

  // ---- Controls, named as the program's designers named them.
  QAction* actNew = nullptr;
  QAction* actOpen = nullptr;
  QAction* actSave = nullptr;
  QAction* actSaveAs = nullptr;
  QAction* actPrint = nullptr;
  QAction* actExit = nullptr;
  QAction* actUserInterfaceFeatures = nullptr;
  QAction* actQuickStart = nullptr;
  QAction* actContents = nullptr;
  QAction* actCheckForUpdates = nullptr;
  QAction* actAbout = nullptr;
  // Keyboard-only additions: undo, redo and zoom.
  QAction* actUndo = nullptr;
  QAction* actRedo = nullptr;
  QAction* actZoomIn = nullptr;
  QAction* actZoomOut = nullptr;
  QAction* actShowAnswers = nullptr;  // View menu, Ctrl+K
  QMenu* mnuOpenRecent = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QPushButton* cmdAddQuestions = nullptr;
  QPushButton* cmdDeleteQuestions = nullptr;
  QPushButton* cmdUndo = nullptr;
  QPushButton* cmdRedo = nullptr;
  QPushButton* BitBtn4 = nullptr;  // "  Set Quiz Options"
  QPushButton* cmdRecreateSection = nullptr;
  QPushButton* cmdRecreateQuiz = nullptr;
  QLabel* lblQuestionCount = nullptr;
  QToolButton* cmdZoomOut = nullptr;
  QComboBox* cmbZoomPct = nullptr;
  QToolButton* cmdZoomIn = nullptr;
  QCheckBox* chkShowAnswers = nullptr;
  QToolButton* cmdPreviousPage = nullptr;
  QLabel* lblCurrentPage = nullptr;
  QLabel* lblPageCount = nullptr;
  QToolButton* cmdNextPage = nullptr;
  QLabel* lblQuizFilename = nullptr;
  TPageView* ScrollBox2 = nullptr;
  QTimer* tmrZoom = nullptr;
  QTimer* tmrPrefetch = nullptr;

  // The dialogs, created with the window and kept until it goes.
  TPromptForSave* PromptForSave() const { return promptForSave_; }
  TConfirmDeleteForm* ConfirmDeleteForm() const { return confirmDelete_; }
  TOldSavedQuiz* OldSavedQuiz() const { return oldSavedQuiz_; }
  TfrmQuizOptions* QuizOptionsDialog() const { return quizOptions_; }
  TAboutBox* AboutBox() const { return aboutBox_; }
  TOKRightDlg* PrintOptionsDialog() const { return printOptions_; }
  THelpWindow* HelpWindow() const { return help_; }

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  // MainWindowControls.cpp
  void CreateActions();
  void CreateMenusAndToolBar();
  void CreateCentralArea();
  void ConnectControls();
  void CreateDialogs();

  // Runs a command; an error it raises ends it with a message.
  void Guarded(TFailedAction action, const std::function<void()>& command);
  void ShowFailure(TFailedAction action, const std::exception& error);

  // What the window does when the document changed: one redraw.
  void DocumentChanged(const TQuizChange& change);
  void ConnectDocument();
  bool SaveWithDialog(const QString& suggestedName);
  void ShowUndoState();
  void ShowAnswersState(bool show);
  // MainWindowDesktop.cpp
  void CreateRecentMenu(QMenu* quizMenu);
  void RememberRecentFile(const QString& path);
  void ShowRecentFiles();
  void OpenRecentFile(const QString& path);
  void RestoreWindowPlace();
  void RememberWindowPlace();
  void ShowFileName();
  void ShowZoomPercent();
  void tmrZoomTimer();
  void cmbZoomPctClick(int index);
  void cmbZoomPctTyped();
  void PictureReleased(QPoint position);
  void PageViewResized();
  // Draws the current page (from the page cache) with its frame.
  void DrawPage();
  // Renders the pages before and after the current one while the user
  // reads it, so that turning to them is a copy.
  void PrefetchNeighbours();
  void SetPictureImage(QImage image);
  void SetPictureSize(QSize size);
  double PixelRatio() const;
  QSize DevicePictureSize() const;
  QSize DeviceSizeOf(QSize pictureSize) const;
  TPaperMeasure Paper() const;
  // The scales of the frame: picture pixels per page unit.
  bool FrameScales(double& horizontal, double& vertical) const;
  // The frame of the selected set on the current page, in page units.
  struct TFrameCorners {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
  };
  std::optional<TFrameCorners> FrameCorners() const;
  QString PdfFileFor() const;

  TPgmSettings* settings_ = nullptr;
  std::unique_ptr<TUserPrompts> ownedPrompts_;
  TUserPrompts* prompts_ = nullptr;
  TAddQuestionsWizard addQuestionsWizard_;

  TQuizDocument* document_ = nullptr;
  std::unique_ptr<TQuestionSet> workingSet_;
  int currentPage_ = 1;
  int pageCount_ = 0;
  int selectedSet_ = -1;
  int zoomPercent_ = 100;
  bool startingUp_ = true;
  bool exiting_ = false;
  bool created_ = false;
  bool showingWelcome_ = true;
  bool fitOnResize_ = true;  // until the user is at work: see PageViewResized
  TPrintSettings printSettings_;
  QString quizFolder_;
  QString lastSaveName_;
  QString lastPdfName_;
  double screenDpiX_ = 0;
  double screenDpiY_ = 0;

  TPageImageCache pageCache_;
  QStringList recentFiles_;
  bool placeRestored_ = false;

  TPromptForSave* promptForSave_ = nullptr;
  TConfirmDeleteForm* confirmDelete_ = nullptr;
  TOldSavedQuiz* oldSavedQuiz_ = nullptr;
  TfrmQuizOptions* quizOptions_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  TOKRightDlg* printOptions_ = nullptr;
  THelpWindow* help_ = nullptr;
};

}  // namespace sumcraft
