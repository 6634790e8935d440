#include <gtest/gtest.h>

#include <QJsonObject>

#include "render/Canvas.h"
#include "render/DisplayList.h"

namespace sumcraft {
namespace {

TEST(Canvas, RecordsOperationsWithTheStateInForce) {
  TDisplayList list;
  TCanvas c(600, &list);
  c.SetFontSize(12);
  c.SetFontBold(true);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.TextOut(100, 200, "1)");
  c.SetPenWidth(5);
  c.MoveTo(10, 20);
  c.LineTo(30, 40);
  c.LineTo(50, 40);
  c.SetBrushStyle(TBrushStyle::Solid);
  c.SetBrushColor(MakeColor(211, 211, 211));
  c.Rectangle(1, 2, 3, 4);
  c.Arc(0, 0, 100, 100, 100, 50, 0, 50);

  ASSERT_EQ(list.Size(), 5U);
  const TDrawOp& text = list.Ops()[0];
  EXPECT_EQ(text.Kind, TOpKind::Text);
  EXPECT_EQ(list.TextOf(text), "1)");
  EXPECT_EQ(text.X1, 100);
  EXPECT_EQ(text.Y1, 200);
  EXPECT_EQ(text.X2, c.TextWidth("1)"));
  EXPECT_EQ(text.Y2, c.TextHeight());
  EXPECT_EQ(text.Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(list.FontOf(text).Spec.Size, 12);
  EXPECT_TRUE(list.FontOf(text).Spec.Bold);
  EXPECT_EQ(list.FontOf(text).Resolution, 600);

  // LineTo draws from the pen position and moves it.
  EXPECT_EQ(list.Ops()[1].X1, 10);
  EXPECT_EQ(list.Ops()[1].Y2, 40);
  EXPECT_EQ(list.Ops()[2].X1, 30);
  EXPECT_EQ(list.Ops()[2].Pen.Width, 5);
  EXPECT_EQ(list.Ops()[3].Kind, TOpKind::Rect);
  EXPECT_EQ(list.Ops()[3].Brush.Color, MakeColor(211, 211, 211));
  EXPECT_EQ(list.Ops()[4].Kind, TOpKind::Arc);
  EXPECT_EQ(list.Ops()[4].X4, 0);
  EXPECT_EQ(c.PenPos(), QPoint(50, 40));
}

TEST(Canvas, TextMovesThePenToItsEndAndEmptyTextDrawsNothing) {
  TDisplayList list;
  TCanvas c(300, &list);
  c.TextOut(10, 20, "Name:");
  EXPECT_EQ(c.PenPos(), QPoint(10 + c.TextWidth("Name:"), 20));
  c.TextOut(0, 0, "");
  EXPECT_EQ(list.Size(), 1U);
  EXPECT_EQ(c.TextHeight(""), c.TextHeight("H"));
}

TEST(Canvas, FontsAreSharedInTheListAndSavedStateRestores) {
  TDisplayList list;
  TCanvas c(300, &list);
  const TFontSpec saved = c.Font();
  c.TextOut(0, 0, "a");
  c.SetFontSize(8);
  c.TextOut(0, 0, "b");
  c.SetFont(saved);
  c.TextOut(0, 0, "c");
  ASSERT_EQ(list.Size(), 3U);
  EXPECT_EQ(list.Ops()[0].Font, list.Ops()[2].Font);
  EXPECT_NE(list.Ops()[0].Font, list.Ops()[1].Font);
  EXPECT_EQ(list.Fonts().size(), 2U);
  // The colour and the turn are recorded with the font.
  c.SetFontEscapement(900);
  c.SetFontColor(MakeColor(0, 128, 128));
  c.TextOut(0, 0, "d");
  EXPECT_EQ(list.FontOf(list.Ops()[3]).Spec.Escapement, 900);
  EXPECT_EQ(list.FontOf(list.Ops()[3]).Spec.Color, MakeColor(0, 128, 128));
  EXPECT_EQ(c.TextWidth("abc"), TCanvas(300).TextWidth("abc"));  // turning does not change widths
}

TEST(Canvas, AThrowAwayCanvasMeasuresAndRecordsNothing) {
  TCanvas scratch(600);
  EXPECT_FALSE(scratch.Recording());
  scratch.TextOut(0, 0, "How many?");
  scratch.Rectangle(0, 0, 10, 10);
  scratch.StretchDraw(0, 0, 10, 10, QImage(4, 4, QImage::Format_RGB32));
  EXPECT_GT(scratch.TextWidth("How many?"), 0);
  EXPECT_EQ(scratch.PenPos().x(), scratch.TextWidth("How many?"));
}

TEST(Canvas, HostileStateValuesAreClamped) {
  TDisplayList list;
  TCanvas c(600, &list);
  c.SetPenWidth(-3);
  EXPECT_EQ(c.PenWidth(), 0);
  c.SetPenWidth(1 << 30);
  EXPECT_EQ(c.PenWidth(), 10000);
  c.SetFontSize(-12);
  EXPECT_GT(c.TextHeight(), 0);
  c.SetFontSize(2000000000);
  EXPECT_GT(c.TextWidth("H"), 0);
  c.SetFontResolution(0);
  EXPECT_EQ(c.FontResolution(), 1);
}

TEST(DisplayList, ImagesAreSharedNotCopied) {
  TDisplayList list;
  TCanvas c(300, &list);
  QImage img(20, 10, QImage::Format_RGB32);
  img.fill(Qt::red);
  c.StretchDraw(5, 6, 45, 26, img);
  ASSERT_EQ(list.Size(), 1U);
  EXPECT_EQ(list.ImageOf(list.Ops()[0]).constBits(), img.constBits());
  EXPECT_TRUE(list.ImageOf(TDrawOp{}).isNull());
}

TEST(DisplayList, JsonDumpsEveryOperationWithUtf8Text) {
  TDisplayList list;
  TCanvas c(600, &list);
  c.SetBrushStyle(TBrushStyle::Clear);
  c.TextOut(11, 22, "12 \xF7 4 = \x80");
  c.Line(1, 2, 3, 4);
  c.SetBrushStyle(TBrushStyle::Solid);
  c.FillRect(5, 6, 7, 8);
  c.Ellipse(0, 0, 9, 9);
  c.SetFontEscapement(900);
  c.TextOut(1, 1, "up");
  c.StretchDraw(0, 0, 100, 50, QImage(7, 3, QImage::Format_RGB32));

  const QJsonArray ops = list.ToJson();
  ASSERT_EQ(ops.size(), 6);
  const QJsonObject t = ops[0].toObject();
  EXPECT_EQ(t["op"].toString(), "text");
  EXPECT_EQ(t["x"].toInt(), 11);
  EXPECT_EQ(t["y"].toInt(), 22);
  EXPECT_EQ(t["w"].toInt(), c.TextWidth("12 \xF7 4 = \x80"));
  EXPECT_EQ(t["h"].toInt(), c.TextHeight());
  EXPECT_EQ(t["text"].toString(), QString::fromUtf8("12 \xC3\xB7 4 = \xE2\x82\xAC"));
  EXPECT_EQ(t["font"].toString(), "Arial");
  EXPECT_FALSE(t.contains("angle"));
  EXPECT_FALSE(t.contains("background"));
  const QJsonObject line = ops[1].toObject();
  EXPECT_EQ(line["op"].toString(), "line");
  EXPECT_EQ(line["x2"].toInt(), 3);
  EXPECT_EQ(line["y2"].toInt(), 4);
  EXPECT_EQ(ops[2].toObject()["op"].toString(), "fillRect");
  EXPECT_EQ(ops[2].toObject()["b"].toInt(), 8);
  EXPECT_EQ(ops[3].toObject()["op"].toString(), "ellipse");
  EXPECT_EQ(ops[4].toObject()["angle"].toDouble(), 90.0);
  EXPECT_EQ(ops[4].toObject()["background"].toString(), "#ffffff");
  EXPECT_EQ(ops[5].toObject()["op"].toString(), "image");
  EXPECT_EQ(ops[5].toObject()["width"].toInt(), 7);
}

}  // namespace
}  // namespace sumcraft
