#pragma once
// What the tests of the comparison, money, fractions, time, rounding,
// table-data and graph dialogs share: the settings file as lines, and a
// small template file loaded into the program-wide list.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QSignalBlocker>
#include <QTest>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "generate/TableDefs.h"
#include "support/TempFolder.h"

namespace sumcraft::test {

// The settings file's non-empty lines, line ends removed.
inline std::vector<std::string> IniLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// One choice of the user's in a list, as test::ChooseItem makes it, for
// lists whose handlers may move the choice elsewhere: the index reached is
// the handler's business, not an expectation.
inline void PickItem(QComboBox* list, int index) {
  list->setFocus();
  if (list->currentIndex() == index) return;
  const bool fromAbove = index > 0;
  {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(fromAbove ? index - 1 : index + 1);
  }
  QTest::keyClick(list, fromAbove ? Qt::Key_Down : Qt::Key_Up);
}

// The lines of one section after its header, sorted: the keys a section
// holds, whatever order they were first written in.
inline std::vector<std::string> SortedKeys(std::vector<std::string> lines) {
  if (!lines.empty()) std::sort(lines.begin() + 1, lines.end());
  return lines;
}

// Five templates: three of data type 1 (two of them named "apples picked",
// the later one with its own texts) and two of data type 0.
inline constexpr const char* kTestTemplates =
    "BEGIN TABLEDEF\nDEFNAME=Apples\nITEMCAPTION=Name\nDATACAPTION=Apples\nITEMNAME=apples\nACTION=picked\n"
    "PROBLEMDATATYPE=1\nPREDICATE=by students in Mr. Jones' class.\nTABLENAME0=Alice\nTABLENAME1=Bob\n"
    "TABLENAME2=Carol\nTABLENAME3=David\nEND TABLEDEF\n"
    "BEGIN TABLEDEF\nDEFNAME=Books\nITEMCAPTION=Student\nDATACAPTION=Books\nITEMNAME=books\nACTION=read\n"
    "PROBLEMDATATYPE=1\nPREDICATE=by four friends.\nTABLENAME0=Ann\nTABLENAME1=Ben\nTABLENAME2=Cy\n"
    "TABLENAME3=Dee\nEND TABLEDEF\n"
    "BEGIN TABLEDEF\nDEFNAME=Pets\nITEMCAPTION=Pet\nDATACAPTION=Adopted\nITEMNAME=pets\nACTION=adopted\n"
    "PROBLEMDATATYPE=0\nPREDICATE=at the animal shelter.\nTABLENAME0=Cats\nTABLENAME1=Dogs\nTABLENAME2=Birds\n"
    "TABLENAME3=Fish\nUSEITEMNAME=NO\nEND TABLEDEF\n"
    "BEGIN TABLEDEF\nDEFNAME=Sold\nITEMCAPTION=Kind\nDATACAPTION=Sold\nITEMNAME=apples\nACTION=sold\n"
    "PROBLEMDATATYPE=0\nPREDICATE=at the market.\nTABLENAME0=Red\nTABLENAME1=Green\nTABLENAME2=Yellow\n"
    "TABLENAME3=Gala\nEND TABLEDEF\n"
    "BEGIN TABLEDEF\nDEFNAME=Apples again\nITEMCAPTION=Picker\nDATACAPTION=Bushels\nITEMNAME=apples\n"
    "ACTION=picked\nPROBLEMDATATYPE=1\nPREDICATE=by the later template.\nTABLENAME0=Zoe\nTABLENAME1=Yan\n"
    "TABLENAME2=Xia\nTABLENAME3=Walt\nEND TABLEDEF\n";

// Loads `text` as the program's template list for the life of the object;
// the list is empty again afterwards.
class TemplateList {
public:
  explicit TemplateList(const char* text) {
    if (text != nullptr) {
      WriteBytes(folder_.File(kTableTemplatesFileName), text);
      TableDefs().Load(folder_.File(kTableTemplatesFileName));
    } else {
      TableDefs().Load(folder_.File(kTableTemplatesFileName));  // no file: empty list
    }
  }
  ~TemplateList() { TableDefs().Clear(); }
  TemplateList(const TemplateList&) = delete;
  TemplateList& operator=(const TemplateList&) = delete;

private:
  TempFolder folder_;
};

// Whether any pixel of `rect` in `image` is darker than light grey.
inline bool HasInk(const QImage& image, const QRect& rect) {
  const QRect r = rect.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (qGray(image.pixel(x, y)) < 160) return true;
  return false;
}

}  // namespace sumcraft::test
