#include <QAction>
#include <QPaintEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "elements/EditTable.h"
#include "tests/support/TestPaths.h"
#include "model/NodeTypes.h"
#include "resources/Resource.h"
#include "ui/CmdUI.h"
#include "platform/Brush.h"
#include "tests/app/ViewFixture.h"
#include "tests/support/RecordingBackend.h"

namespace {

constexpr QRgb kGrey = qRgb(160, 160, 160);
constexpr QRgb kWhite = qRgb(255, 255, 255);

class VorelViewTest : public ViewFixture {
 protected:
  // The top of page i (from 1) of the stack, in 0.01 mm.
  int PageTop(int i) {
    SIZE page;
    Root().GetPageSize(&page);
    return (i - 1) * page.cy + i * Root().m_nPageGapY;
  }
  std::vector<RECT> CharBoxes() {
    std::vector<RECT> boxes;
    for (int i = 0; i < FirstPart()->GetChildCount(); ++i) boxes.push_back(FirstPart()->GetEditChildAt(i)->m_rcInk);
    return boxes;
  }
  // The FillRect calls drawn with the XOR raster operation.
  static std::vector<DC_CALL> XorFills(CRecordingDC& dc) {
    std::vector<DC_CALL> fills;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "FillRect" && call.rop2 == R2_XORPEN) fills.push_back(call);
    return fills;
  }
};

// Records the rectangles the viewport is asked to paint.
class PaintRects : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
  std::vector<QRect> rects;
};

}  // namespace

// At zoom 100 and 96 dots per inch 5 mm are 19 pixels.
TEST_F(VorelViewTest, AHorizontalSheetStacksWhitePagesWithGreyAboveEach) {
  MakeSheet(false, 0, QSize(1000, 3500));
  while (Root().m_nPageCount < 3) AddParagraphs(20);
  ASSERT_EQ(m_view.logicalDpiX(), 96);
  const QImage image = Grab();
  for (int i = 1; i <= 3; ++i) {
    const int top = Px(PageTop(i));
    SCOPED_TRACE(i);
    EXPECT_EQ(image.pixel(Px(500) + 3, top + 3), kWhite);
    EXPECT_EQ(image.pixel(Px(500) + 3, top - 3), kGrey);
    EXPECT_EQ(image.pixel(Px(500) - 3, top + 40), kGrey);
  }
}

// The first page stands at the right, 5 mm below the top; the next ones to its left.
TEST_F(VorelViewTest, AVerticalSheetStacksItsPagesFromTheRight) {
  MakeSheet(true, 0, QSize(2600, 1000));
  while (Root().m_nPageCount < 3) AddParagraphs(20);
  const QImage image = Grab();
  image.save(QString::fromStdString(BuildPath("view-vertical-three-pages.png")));
  const int w = image.width();
  EXPECT_EQ(image.pixel(w - Px(500) - 30, Px(500) - 3), kGrey);
  EXPECT_EQ(image.pixel(w - Px(500) - 30, Px(500) + 3), kWhite);
  for (int i = 1; i <= 3; ++i) {
    const int right = w - Px(PageTop(i));
    SCOPED_TRACE(i);
    EXPECT_EQ(image.pixel(right - 3, Px(500) + 40), kWhite);
    EXPECT_EQ(image.pixel(right + 3, Px(500) + 40), kGrey);
  }
}

// Parts with no box on a page in view are not drawn; scrolled to them, they are.
TEST_F(VorelViewTest, OnlyThePagesInViewAreDrawn) {
  MakeSheet(false, 0, QSize(800, 600));
  AddParts(12, 10);
  ASSERT_GE(Root().m_nPageCount, 3);
  auto textRows = [this] {
    CRecordingDC dc;
    dc.Recorder().m_size = SIZE{800, 600};
    m_view.OnPrepareDC(&dc);
    m_view.OnDraw(&dc);
    std::vector<int> rows;
    for (const DC_CALL& call : dc.Recorder().Calls())
      if (call.name == "Text") rows.push_back(call.points[0].y);
    return rows;
  };
  const std::vector<int> top = textRows();
  ASSERT_FALSE(top.empty());
  EXPECT_LT(*std::max_element(top.begin(), top.end()), Px(PageTop(3)));
  m_view.GetCoordMapper()->m_nOriginY = PageTop(3);
  m_view.UpdateScrollSizes();
  const std::vector<int> third = textRows();
  EXPECT_TRUE(std::any_of(third.begin(), third.end(), [](int y) { return y > 0 && y < 600; }));
  EXPECT_GT(*std::min_element(third.begin(), third.end()), Px(PageTop(2)) - Px(PageTop(3)));
}

// A zoom lays out again but breaks lines and pages as before; an emptied document resets the
// view without a layout; an edit lays out once, painting and scrolling never.
TEST_F(VorelViewTest, HintsZoomEmptyAndEdit) {
  MakeSheet(false, 60);
  const int passes = m_view.GetLayoutPassCount();
  const std::vector<RECT> boxes = CharBoxes();
  const int pages = Root().m_nPageCount;
  m_view.GetCoordMapper()->SetZoom(200);
  m_view.OnUpdate(nullptr, 4, nullptr);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1);
  EXPECT_EQ(Root().m_nPageCount, pages);
  const std::vector<RECT> zoomed = CharBoxes();
  EXPECT_EQ(std::memcmp(zoomed.data(), boxes.data(), boxes.size() * sizeof(RECT)), 0);
  EXPECT_EQ(Grab().pixel(2 * Px(500) + 3, 2 * Px(500) + 3), kWhite);

  m_view.viewport()->repaint();
  m_view.OnVScroll(SB_PAGEDOWN);
  m_view.viewport()->repaint();
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 1);

  m_doc.UpdateAllViews(nullptr, 0);
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 2);

  m_doc.DeleteContents();
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes + 2);
  EXPECT_EQ(m_view.GetCoordMapper()->m_nOriginY, 0);
  const QImage image = Grab();
  EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), kGrey);
}

// An object that changed repaints its rectangle with room for the tracker's handles, from the
// sheet drawn again; nothing is laid out.
TEST_F(VorelViewTest, AnObjectHintRepaintsTheObjectsRectangle) {
  MakeSheet(false);
  CEditNode object;
  object.m_rcInk = RECT{2540, 2540, 5080, 3810};
  QApplication::processEvents();
  PaintRects paints;
  m_view.viewport()->installEventFilter(&paints);
  const int passes = m_view.GetLayoutPassCount();
  const int draws = m_view.GetSheetDrawCount();
  m_view.OnUpdate(nullptr, 1, &object);
  QApplication::processEvents();
  m_view.viewport()->removeEventFilter(&paints);
  ASSERT_FALSE(paints.rects.empty());
  EXPECT_EQ(paints.rects.back(), QRect(96 - 8, 96 - 8, 96 + 16, 48 + 16));
  EXPECT_EQ(m_view.GetLayoutPassCount(), passes);
  EXPECT_EQ(m_view.GetSheetDrawCount(), draws + 1);
}

// The box holding the caret gets a dotted XOR frame, one pixel out at the left and top and two
// at the right and bottom; a plain question sentence gets none, nor does a printer.
TEST_F(VorelViewTest, TheContainerFrameSurroundsTheCaretsBox) {
  MakeSheet(false);
  auto* table = new CEditTable;
  table->CreateCells(2, 2);
  FirstPart()->InsertChild(0, table);
  m_view.OnUpdate(nullptr, 0, nullptr);
  CEditNode* cell = table->GetCell(1, 1);
  m_view.SetCaretNode(cell->GetEditChildAt(0));

  CRecordingDC dc;
  m_view.OnPrepareDC(&dc);
  m_view.OnDraw(&dc);
  const std::vector<DC_CALL> frame = XorFills(dc);
  ASSERT_EQ(frame.size(), 4u);
  RECT box = cell->m_rcInk;
  m_view.GetCoordMapper()->LPtoDPRect(&box);
  EXPECT_EQ(frame[0].points[0].x, box.left - 1);
  EXPECT_EQ(frame[0].points[0].y, box.top - 1);
  EXPECT_EQ(frame[3].points[1].x, box.right + 2);
  EXPECT_EQ(frame[1].points[1].y, box.bottom + 2);
  for (const DC_CALL& edge : frame) EXPECT_EQ(edge.brushStyle, BS_PATTERN);

  m_view.GetCaret().m_pAnchor = cell->GetEditChildAt(0);
  CRecordingDC printer;
  printer.Recorder().m_bPrinting = true;
  m_view.OnDraw(&printer);
  EXPECT_TRUE(XorFills(printer).empty());
  for (const DC_CALL& call : printer.Recorder().Calls()) EXPECT_NE(call.rop2, R2_NOT) << call.ToString();

  m_view.GetCaret().m_pAnchor = nullptr;
  m_view.SetCaretNode(FirstPart()->GetEditChildAt(FirstPart()->GetChildCount() - 1));
  CRecordingDC plain;
  m_view.OnPrepareDC(&plain);
  m_view.OnDraw(&plain);
  EXPECT_TRUE(XorFills(plain).empty());
}

// Every selected field but the current one shows eight inverted 5 x 5 handles.
TEST_F(VorelViewTest, FieldModeMarksTheFurtherFieldsWithHandles) {
  MakeSheet(false);
  CEditNode fields[3];
  for (int i = 0; i < 3; ++i) fields[i].m_rcInk = RECT{10160, 10160 + i * 1905, 15240, 10160 + i * 1905 + 1270};
  m_view.SetInteractionMode(VIEWMODE_FIELD);
  m_view.SetFieldSelection(&fields[0], {&fields[0], &fields[1], &fields[2]});
  const QImage image = Grab();
  constexpr QRgb kBlack = qRgb(0, 0, 0);
  for (int i = 0; i < 3; ++i) {
    RECT r = fields[i].m_rcInk;
    m_view.DocToClientRect(&r);
    const int centre = r.left + (r.right - r.left) / 2;
    const int middle = r.top + (r.bottom - r.top) / 2;
    const QRgb handle = i == 0 ? kWhite : kBlack;
    SCOPED_TRACE(i);
    for (QPoint p : {QPoint(r.left, r.top), QPoint(centre, r.top), QPoint(r.right, r.top), QPoint(r.left, r.bottom),
                     QPoint(centre, r.bottom), QPoint(r.right, r.bottom), QPoint(r.left, middle), QPoint(r.right, middle)})
      EXPECT_EQ(image.pixel(p), handle) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(r.left + 6, r.top), kWhite);
  }
}

// A back buffer that cannot be made is reported once; the view paints grey and goes on.
TEST(VorelViewBufferTest, AFailedBufferIsReportedOnceAndTheViewLivesOn) {
  class CNoBufferView : public CVorelView {
   public:
    using CVorelView::CVorelView;
    bool m_bFail = true;

   protected:
    QImage MakeBuffer(const QSize& size, qreal ratio) override {
      return m_bFail ? QImage() : CVorelView::MakeBuffer(size, ratio);
    }
  };
  CScriptedMessages messages;
  CVorelDoc doc(&messages);
  ASSERT_TRUE(doc.OnNewDocument());
  CNoBufferView view(&doc);
  view.resize(400, 300);
  view.show();
  view.OnInitialUpdate();
  view.viewport()->grab();
  view.viewport()->grab();
  QApplication::processEvents();
  ASSERT_EQ(messages.m_shown.size(), 1u);
  EXPECT_EQ(messages.m_shown[0].text.str(),
            u"描画用ビットマップの作成に失敗しました。\n\nディスプレイの解像度または色数を減らして下さい。");
  EXPECT_EQ(view.viewport()->grab().toImage().pixel(200, 150), kGrey);
  EXPECT_TRUE(view.TypeText(CStringW(u"あ")));
  view.m_bFail = false;
  EXPECT_EQ(view.viewport()->grab().toImage().pixel(view.viewport()->width() - 30, 30), kWhite);
}

// The caret bar blinks over the picture of the sheet without drawing the sheet again.
TEST_F(VorelViewTest, TheCaretBlinksWithoutRedrawingTheSheet) {
  QApplication::setCursorFlashTime(100);
  MakeSheet(false, 3);
  QApplication::processEvents();
  m_view.SetCaretNode(FirstPart()->GetEditChildAt(1));
  m_view.UpdateCaret(TRUE);
  const QRect bar = m_view.GetCaretBar();
  ASSERT_FALSE(bar.isEmpty());
  EXPECT_EQ(bar.width(), 2);
  const QRgb on = Grab().pixel(bar.center());
  const int draws = m_view.GetSheetDrawCount();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Grab().pixel(bar.center()) != on; }, 2000));
  EXPECT_EQ(m_view.GetSheetDrawCount(), draws);
  m_view.clearFocus();
  EXPECT_TRUE(m_view.GetCaretBar().isEmpty());
  QApplication::setCursorFlashTime(1000);
}

// In vertical writing the bar lies across the line, at the top of the caret's character.
TEST_F(VorelViewTest, AVerticalCaretLiesAcrossTheLine) {
  MakeSheet(true, 1);
  m_view.SetCaretNode(FirstPart()->GetEditChildAt(2));
  m_view.UpdateCaret(TRUE);
  const QRect bar = m_view.GetCaretBar();
  const RECT& box = m_view.GetCaretRect();
  EXPECT_EQ(bar.height(), 2);
  EXPECT_EQ(bar.width(), Px(box.bottom - box.top));
  EXPECT_EQ(bar.right() + 1, m_view.viewport()->width() - Px(box.top));
  EXPECT_EQ(bar.top(), Px(box.left));
}

TEST_F(VorelViewTest, CoordinatesRoundTripInBothDirections) {
  for (bool bVertical : {false, true}) {
    MakeSheet(bVertical);
    m_view.GetCoordMapper()->m_nOriginY = 1000;
    POINT point{5000, 7000};
    m_view.DocToClient(&point);
    m_view.ClientToDoc(&point);
    EXPECT_NEAR(point.x, 5000, 30);
    EXPECT_NEAR(point.y, 7000, 30);
    EXPECT_EQ(m_view.GetPageSize().cx, Root().m_page.m_nPageWidth);
  }
}

// Inverting the selection twice on the shown picture brings the picture back; the sheet is not
// drawn again.
TEST_F(VorelViewTest, InvertingTheSelectionTogglesTheHighlight) {
  MakeSheet(false);
  TypeKeys(QString::fromUtf16(u"あいうえお"));
  m_view.GetCaret().m_pAnchor = FirstPart()->GetEditChildAt(1);
  m_view.SetCaretNode(FirstPart()->GetEditChildAt(3));
  m_view.Invalidate();
  const QImage selected = Grab();
  const int draws = m_view.GetSheetDrawCount();
  m_view.InvertSelection();
  const QImage plain = Grab();
  RECT box = FirstPart()->GetEditChildAt(1)->m_rcHit;
  m_view.DocToClientRect(&box);
  const QPoint inside((box.left + box.right) / 2, box.top + 1);
  EXPECT_NE(selected.pixel(inside), plain.pixel(inside));
  m_view.InvertSelection();
  EXPECT_EQ(Grab(), selected);
  EXPECT_EQ(m_view.GetSheetDrawCount(), draws);
}

// Line-end marks show after the command and go with it again.
TEST_F(VorelViewTest, TheLineEndCommandTogglesTheMarks) {
  MakeSheet(false);
  const QImage without = Grab();
  QAction item;
  CCmdUI state(ID_VIEW_LINE_ENDS, &item);
  m_view.OnUpdateViewLineEnds(&state);
  EXPECT_FALSE(item.isChecked());
  m_view.OnViewLineEnds();
  m_view.OnUpdateViewLineEnds(&state);
  EXPECT_TRUE(item.isChecked());
  EXPECT_TRUE(item.isEnabled());
  EXPECT_NE(Grab(), without);
  m_view.OnViewLineEnds();
  EXPECT_EQ(Grab(), without);
}

// Over a vertical sheet the I-beam lies across; over a horizontal one it stands.
TEST_F(VorelViewTest, TheCursorFollowsTheWritingDirection) {
  MakeSheet(true);
  const QCursor vertical = m_view.viewport()->cursor();
  EXPECT_EQ(vertical.shape(), Qt::BitmapCursor);
  EXPECT_EQ(vertical.pixmap().size(), QSize(32, 32));
  MakeSheet(false);
  EXPECT_EQ(m_view.viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST(VorelViewNoRootTest, WithoutASheetTheViewPaintsGreyAndAnswersZeros) {
  CScriptedMessages messages;
  CVorelDoc doc(&messages);
  CVorelView view(&doc);
  view.resize(300, 200);
  view.show();
  view.OnInitialUpdate();
  EXPECT_EQ(view.GetLayoutPassCount(), 0);
  EXPECT_EQ(view.GetPageSize().cx, 0);
  EXPECT_EQ(view.GetPageMargins().right, 0);
  EXPECT_FALSE(view.TypeText(CStringW(u"a")));
  EXPECT_EQ(view.viewport()->grab().toImage().pixel(150, 100), kGrey);

  // A root of another kind is no sheet: nothing is laid out or drawn.
  ASSERT_TRUE(doc.OnNewDocument());
  doc.GetPrint()->m_nType = NTYPE_EDITSENTENCE;
  view.OnInitialUpdate();
  view.OnUpdate(nullptr, 0, nullptr);
  EXPECT_EQ(view.GetLayoutPassCount(), 0);
  EXPECT_EQ(view.GetPageSize().cy, 0);
  EXPECT_EQ(view.viewport()->grab().toImage().pixel(view.viewport()->width() - 30, 30), kGrey);
  doc.GetPrint()->m_nType = NTYPE_EDITPRINT;
}
