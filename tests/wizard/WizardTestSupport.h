#pragma once
// What the wizard's tests share: a settings file in a fresh folder, a
// working set, answers to the wizard's messages, and driving controls the
// way a user does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string>

#include "quiz/QuestionSet.h"
#include "settings/PgmSettings.h"
#include "support/TempFolder.h"
#include "widgets/WizardMessages.h"

namespace sumcraft::test {

// Records the messages the wizard gives; questions get the answer set here.
class MessageRecorder {
public:
  MessageRecorder() {
    saved_ = SetWizardMessages({[this](QWidget*, const QString& text) { errors << text; },
                                [this](QWidget*, const QString& text) {
                                  questions << text;
                                  return answer;
                                }});
  }
  ~MessageRecorder() { SetWizardMessages(saved_); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  QStringList errors;
  QStringList questions;
  bool answer = true;

private:
  TWizardMessages saved_;
};

class WizardTest : public ::testing::Test {
protected:
  WizardTest() : settings_(std::make_unique<TPgmSettings>(folder_.File("data"))) {}

  std::string SettingsText() const {
    return std::filesystem::exists(settings_->FileName()) ? ReadBytes(settings_->FileName()) : std::string();
  }
  void WriteSettings(std::string_view text) const { WriteBytes(settings_->FileName(), text); }

  TempFolder folder_;
  std::unique_ptr<TPgmSettings> settings_;
  TQuestionSet set_;
  MessageRecorder messages_;
};

// Picks item `index` of a list as one choice of the user's, with the
// keyboard: the list is first put beside the item without telling anyone
// (the handlers read only what the lists show now), then one arrow key
// moves onto it, and the list reports that one choice (activated).
inline void ChooseItem(QComboBox* list, int index) {
  list->setFocus();
  if (list->currentIndex() == index) return;
  const bool fromAbove = index > 0;
  {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(fromAbove ? index - 1 : index + 1);
  }
  // A dialog's rule may move the list elsewhere in reply; callers check.
  QTest::keyClick(list, fromAbove ? Qt::Key_Down : Qt::Key_Up);
}

inline void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace sumcraft::test
