#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "tests/elements/SheetTestParts.h"
#include "tests/support/RecordingBackend.h"

namespace {

// Page 10000 × 12000 with 1000 margins: printable 8000 × 10000. Two columns are 3750 wide,
// the second at 4250; three are 2333 wide, at 0, 2833 and 5666.
constexpr int kPageHeight = 12000;
constexpr int kMargin = 1000;
constexpr int kGap = 500;

struct PLACE {
  int page, x, y;
  bool operator==(const PLACE&) const = default;
};

void PrintTo(const PLACE& p, std::ostream* os) { *os << "(page " << p.page << ", " << p.x << ", " << p.y << ")"; }

struct PART_SPEC {
  std::vector<SIZE> boxes;
  DWORD type = kTestPartType;
  int hidden = 0;
};

class EditPrintLayoutTest : public ::testing::Test {
 protected:
  EditPrintLayoutTest() {
    const SIZE page{10000, kPageHeight};
    sheet.SetPageSize(&page);
    const RECT margins{kMargin, kMargin, kMargin, kMargin};
    sheet.SetMargins(&margins);
    sheet.m_nLineSpacing = 0;
  }
  CTestPart* AddPart(std::vector<SIZE> boxes, DWORD type = kTestPartType) {
    auto* part = new CTestPart(type, std::move(boxes));
    sheet.AppendChild(part);
    parts.push_back(part);
    return part;
  }
  CTestPart* AddBreak() { return AddPart({{8000, 300}}, NTYPE_EDITKAIPAGE); }
  CTestNameField* AddNameField(int page, int height = 2000) {
    sheet.SetNameFieldPage(page, 1);
    auto* field = new CTestNameField(height);
    sheet.m_nodePageKimeiran.AppendChild(field);
    return field;
  }
  void Layout() {
    EDIT_LAYOUT_PARAM measure{};
    sheet.Measure(&dc, &mapper, &measure);
    EDIT_LAYOUT_PARAM arrange{};
    sheet.Arrange(&arrange, 0);
  }
  // Back from the stack of pages to the page's printable area.
  static PLACE OnPage(const EDIT_LAYOUT_PARAM& p) {
    const int pageTop = kGap * p.nPage + (p.nPage - 1) * kPageHeight;
    return PLACE{p.nPage, p.nX - kGap - kMargin, p.nY - pageTop - kMargin};
  }
  std::vector<PLACE> Places() const {
    std::vector<PLACE> places;
    for (const CTestPart* part : parts)
      for (const auto& [box, param] : part->m_arranged) places.push_back(OnPage(param));
    return places;
  }

  CEditPrint sheet;
  std::vector<CTestPart*> parts;
  CRecordingDC dc;
  CCoordMapper mapper;
};

TEST_F(EditPrintLayoutTest, EmptySheetIsOnePageOfThePrintableWidth) {
  Layout();
  EXPECT_EQ(sheet.m_nWidth, 8000);
  EXPECT_EQ(sheet.m_nHeight, 0);
  EXPECT_EQ(sheet.m_nPageCount, 1);
  SIZE canvas{};
  sheet.GetCanvasSize(&canvas);
  EXPECT_EQ(canvas.cx, 10000 + 3500);
  EXPECT_EQ(canvas.cy, kPageHeight + 3500);
}

struct FLOW_CASE {
  const char* name;
  int columns;
  std::vector<int> nameFieldPages;  // each with a field 2000 high
  std::vector<PART_SPEC> parts;
  std::vector<PLACE> expected;  // every box, in order
};

TEST_F(EditPrintLayoutTest, BoxesFlowIntoRowsColumnsAndPages) {
  const PART_SPEC full{{{8000, 4000}}};
  const PART_SPEC line{{{8000, 1000}}};
  const PART_SPEC pageBreak{{{8000, 300}}, NTYPE_EDITKAIPAGE};
  const PART_SPEC hiddenBreak{{{8000, 300}}, NTYPE_EDITKAIPAGE, 1};
  const std::vector<FLOW_CASE> cases = {
      {"a full column moves on to the next page", 1, {}, {full, full, full}, {{1, 0, 0}, {1, 0, 4000}, {2, 0, 0}}},
      {"a page break starts a new page though room is left", 1, {}, {line, pageBreak, line},
       {{1, 0, 0}, {1, 0, 1000}, {2, 0, 0}}},
      {"a hidden page break does nothing", 1, {}, {line, hiddenBreak, line}, {{1, 0, 0}, {1, 0, 1000}}},
      {"two page breaks leave a page with the second mark only", 1, {}, {line, pageBreak, pageBreak, line},
       {{1, 0, 0}, {1, 0, 1000}, {2, 0, 0}, {3, 0, 0}}},
      {"narrow boxes share a row; the next row starts below the taller", 1, {},
       {{{{3000, 1000}}}, {{{4000, 1500}}}, {{{3000, 500}}}}, {{1, 0, 0}, {1, 3000, 0}, {1, 0, 1500}}},
      {"two columns, then a new page", 2, {}, {{{{3750, 6000}}}, {{{3750, 6000}}}, {{{3750, 6000}}}},
       {{1, 0, 0}, {1, 4250, 0}, {2, 0, 0}}},
      {"a box taller than a column moves once and stays", 1, {}, {{{{8000, 3000}}}, {{{8000, 12000}}}, line},
       {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}},
      {"every column of a name-field page starts below the field", 3, {1},
       {{{{2333, 8000}}}, {{{2333, 8000}}}, {{{2333, 8000}}}, {{{2333, 8000}}}},
       {{1, 0, 2000}, {1, 2833, 2000}, {1, 5666, 2000}, {2, 0, 0}}},
      {"name field on page 2 of two columns", 2, {2},
       {{{{3750, 10000}}}, {{{3750, 10000}}}, {{{3750, 8000}}}, {{{3750, 8000}}}},
       {{1, 0, 0}, {1, 4250, 0}, {2, 0, 2000}, {2, 4250, 2000}}},
      {"a tall box moved below a name field moves on when it does not fit there", 1, {2},
       {{{{8000, 3000}}}, {{{8000, 9000}}}, line}, {{1, 0, 0}, {3, 0, 0}, {3, 0, 9000}}},
      {"a page break before a tall box and a name field: the box moves on", 1, {2},
       {line, pageBreak, {{{8000, 9000}}}}, {{1, 0, 0}, {1, 0, 1000}, {3, 0, 0}}},
      {"a tall box passes the columns below a name field", 2, {2},
       {{{{3750, 6000}}}, {{{3750, 6000}}}, {{{3750, 9000}}}}, {{1, 0, 0}, {1, 4250, 0}, {3, 0, 0}}},
      {"a part's second box continues in the next column", 2, {}, {{{{3750, 10000}, {3750, 4000}}}},
       {{1, 0, 0}, {1, 4250, 0}}},
      {"a narrow box moved to the next column starts at its left edge", 2, {},
       {{{{1000, 9000}}}, {{{1000, 2000}}}, {{{1000, 500}}}}, {{1, 0, 0}, {1, 4250, 0}, {1, 5250, 0}}},
  };
  for (const FLOW_CASE& c : cases) {
    SCOPED_TRACE(c.name);
    CEditPrint& s = sheet;
    s.DeleteAllChildren();
    s.m_nodePageKimeiran.DeleteAllChildren();
    parts.clear();
    for (int page = 1; page <= 3; ++page) s.SetNameFieldPage(page, 0);
    s.m_page.m_nColumnCount = c.columns;
    for (int page : c.nameFieldPages) AddNameField(page);
    for (const PART_SPEC& spec : c.parts) AddPart(spec.boxes, spec.type)->m_bHidden = spec.hidden;
    Layout();
    EXPECT_EQ(Places(), c.expected);
    EXPECT_EQ(s.m_nPageCount, c.expected.back().page);
  }
}

TEST_F(EditPrintLayoutTest, NameFieldsSpanThePrintableWidthAtTheTopOfTheirPages) {
  sheet.m_page.m_nColumnCount = 2;
  CTestNameField* first = AddNameField(1, 1000);
  CTestNameField* third = AddNameField(3, 1000);
  for (int i = 0; i < 6; ++i) AddPart({{3750, 9000}});
  Layout();
  ASSERT_EQ(sheet.m_nPageCount, 3);
  EXPECT_EQ(OnPage(first->m_arranged), (PLACE{1, 0, 0}));
  EXPECT_EQ(OnPage(third->m_arranged), (PLACE{3, 0, 0}));
  EXPECT_EQ(third->m_arranged.nWidth, 8000);
  EXPECT_EQ(third->m_arranged.nWidth2, 8000);
  EXPECT_EQ(third->m_nPage, 3);
  EXPECT_EQ(Places(), (std::vector<PLACE>{{1, 0, 1000}, {1, 4250, 1000}, {2, 0, 0}, {2, 4250, 0}, {3, 0, 1000},
                                           {3, 4250, 1000}}));
}

// Measure tells each part where its first box will start, so that sentences cut themselves
// where Arrange puts them.
TEST_F(EditPrintLayoutTest, MeasureHandsEachPartThePlaceArrangeGivesIt) {
  sheet.m_page.m_nColumnCount = 2;
  AddNameField(2, 2000);
  AddPart({{3750, 6000}});
  AddPart({{3750, 3000}, {3750, 5000}});
  AddPart({{3750, 4000}});
  AddBreak();
  AddPart({{3750, 1000}});
  AddPart({{3750, 1000}});
  Layout();
  for (size_t i = 0; i < parts.size(); ++i) {
    SCOPED_TRACE(i);
    const EDIT_LAYOUT_PARAM& measured = parts[i]->m_measured;
    const PLACE placed = OnPage(parts[i]->m_arranged.at(0));
    EXPECT_EQ(measured.nPage, placed.page);
    EXPECT_EQ(measured.nColumn, placed.x == 0 ? 1 : 2);
    EXPECT_EQ(measured.nY, placed.y);
    EXPECT_EQ(measured.nWidth, 3750);
    EXPECT_EQ(measured.nWidth2, 8000);
    EXPECT_EQ(measured.nPageHeight, 10000);
  }
  EXPECT_EQ(OnPage(parts[2]->m_arranged.at(0)), (PLACE{1, 4250, 5000}));
  EXPECT_EQ(OnPage(parts[4]->m_arranged.at(0)), (PLACE{2, 0, 2000}));
}

// A part cut into several boxes is told the room of each later column, less the name field
// its page will carry; a flagged page without a copy has the full height.
TEST_F(EditPrintLayoutTest, PartsLearnTheRoomOfTheColumnsTheyGoOnTo) {
  sheet.m_page.m_nColumnCount = 2;
  AddNameField(1, 2000);
  AddNameField(2, 1500);
  sheet.SetNameFieldPage(3, 1);  // no third copy
  CTestPart* first = AddPart({{3750, 8000}});
  CTestPart* second = AddPart({{3750, 1000}});
  Layout();
  EXPECT_EQ(first->m_rooms, (std::vector<int>{8000, 8500, 8500, 10000}));
  // The first part fills the first column, so the second starts in the next.
  EXPECT_EQ(second->m_measured.nColumn, 2);
  EXPECT_EQ(second->m_rooms, (std::vector<int>{8500, 8500, 10000, 10000}));
}

// Printing walks the same flow: every box of page p lands in the column the screen shows,
// shifted from the page stack to the margins.
TEST_F(EditPrintLayoutTest, ArrangePageEqualsTheScreenPlacementPageByPage) {
  sheet.m_page.m_nColumnCount = 2;
  CTestNameField* first = AddNameField(1, 1500);
  CTestNameField* third = AddNameField(3, 2500);
  AddPart({{3750, 12000}});  // too tall: starts the second column of page 1
  AddPart({{1000, 3000}});
  AddPart({{1000, 2000}});
  AddPart({{3750, 4000}, {3750, 9000}});
  AddBreak();
  AddPart({{3750, 7500}});
  AddPart({{3750, 7500}});
  Layout();
  ASSERT_EQ(sheet.m_nPageCount, 3);
  std::vector<std::map<int, EDIT_LAYOUT_PARAM>> screen;
  for (const CTestPart* part : parts) screen.push_back(part->m_arranged);
  const EDIT_LAYOUT_PARAM firstOnScreen = first->m_arranged;
  const EDIT_LAYOUT_PARAM thirdOnScreen = third->m_arranged;
  EXPECT_EQ(OnPage(screen[0].at(0)), (PLACE{1, 4250, 1500}));

  for (int page = 1; page <= sheet.m_nPageCount; ++page) {
    SCOPED_TRACE(page);
    for (CTestPart* part : parts) part->m_arranged.clear();
    first->m_nArrangeCount = third->m_nArrangeCount = 0;
    EDIT_LAYOUT_PARAM print{};
    print.nPage = page;
    sheet.ArrangePage(&print, 0);
    for (size_t i = 0; i < parts.size(); ++i) {
      for (const auto& [box, onScreen] : screen[i]) {
        const auto printed = parts[i]->m_arranged.find(box);
        ASSERT_EQ(printed != parts[i]->m_arranged.end(), onScreen.nPage == page) << "part " << i << " box " << box;
        if (onScreen.nPage != page) continue;
        const PLACE expected = OnPage(onScreen);
        EXPECT_EQ(printed->second.nX, kMargin + expected.x);
        EXPECT_EQ(printed->second.nY, kMargin + expected.y);
        EXPECT_EQ(printed->second.nWidth, onScreen.nWidth);
        EXPECT_EQ(printed->second.nPage, page);
      }
    }
    EXPECT_EQ(first->m_nArrangeCount, page == 1 ? 1 : 0);
    EXPECT_EQ(third->m_nArrangeCount, page == 3 ? 1 : 0);
  }
  EXPECT_EQ(third->m_arranged.nY, kMargin);
  EXPECT_EQ(OnPage(firstOnScreen), (PLACE{1, 0, 0}));
  EXPECT_EQ(OnPage(thirdOnScreen), (PLACE{3, 0, 0}));
}

TEST_F(EditPrintLayoutTest, DrawPageDrawsEachBoxOnItsOwnPageOnly) {
  sheet.m_page.m_nColumnCount = 2;
  CTestNameField* field = AddNameField(2, 2000);
  AddPart({{3750, 9000}, {3750, 9000}, {3750, 7000}});
  AddPart({{3750, 5000}});
  Layout();
  ASSERT_EQ(sheet.m_nPageCount, 2);
  EDIT_LAYOUT_PARAM print{};
  print.nPage = 1;
  sheet.DrawPage(&dc, &mapper, &print);
  EXPECT_EQ(parts[0]->m_drawnBoxes, (std::vector<int>{0, 1}));
  EXPECT_TRUE(parts[1]->m_drawnBoxes.empty());
  EXPECT_EQ(field->m_nDrawCount, 0);

  parts[0]->m_drawnBoxes.clear();
  print.nPage = 2;
  sheet.DrawPage(&dc, &mapper, &print);
  EXPECT_EQ(parts[0]->m_drawnBoxes, (std::vector<int>{2}));
  EXPECT_EQ(parts[1]->m_drawnBoxes, (std::vector<int>{0}));
  EXPECT_EQ(field->m_nDrawCount, 1);

  // The screen draws everything, without a box filter.
  parts[0]->m_drawnBoxes.clear();
  sheet.Draw(&dc, &mapper, nullptr);
  EXPECT_EQ(parts[0]->m_drawnBoxes, (std::vector<int>{-1}));
  EXPECT_EQ(field->m_nDrawCount, 2);
}

TEST_F(EditPrintLayoutTest, FlaggedPageWithoutItsCopyIsLaidOutWithoutAField) {
  CTestNameField* field = AddNameField(1, 2000);
  sheet.SetNameFieldPage(2, 1);  // no second copy
  for (int i = 0; i < 4; ++i) AddPart({{8000, 6000}});
  Layout();
  EXPECT_EQ(sheet.m_nPageCount, 4);
  EXPECT_EQ(field->m_nPage, 1);
  EXPECT_EQ(Places(), (std::vector<PLACE>{{1, 0, 2000}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}));
}

TEST_F(EditPrintLayoutTest, PagesBeyondThePageTableCarryNoNameField) {
  EXPECT_FALSE(sheet.IsNameFieldPage(0));
  sheet.SetNameFieldPage(CEditPrint::kPageTableSize + 1, 1);
  sheet.SetNameFieldPage(-1, 1);
  EXPECT_FALSE(sheet.IsNameFieldPage(CEditPrint::kPageTableSize + 1));
  CTestNameField* last = AddNameField(CEditPrint::kPageTableSize, 2000);
  for (int i = 0; i < CEditPrint::kPageTableSize + 6; ++i) AddPart({{8000, 8000}});
  Layout();
  EXPECT_EQ(sheet.m_nPageCount, CEditPrint::kPageTableSize + 6);
  EXPECT_EQ(last->m_nPage, CEditPrint::kPageTableSize);
  EXPECT_EQ(last->m_bHidden, 0);
}

TEST_F(EditPrintLayoutTest, CopiesBeyondTheLastPageHideAndShowAgainWhenTheSheetGrows) {
  CTestNameField* first = AddNameField(1, 2000);
  CTestNameField* second = AddNameField(2, 2000);
  AddPart({{8000, 6000}});
  Layout();
  EXPECT_EQ(sheet.m_nPageCount, 1);
  EXPECT_EQ(first->m_bHidden, 0);
  EXPECT_EQ(second->m_bHidden, 2);
  second->m_nArrangeCount = 0;

  AddPart({{8000, 6000}});
  Layout();
  EXPECT_EQ(sheet.m_nPageCount, 2);
  EXPECT_EQ(second->m_bHidden, 0);
  EXPECT_EQ(second->m_nPage, 2);
  EXPECT_EQ(second->m_nArrangeCount, 1);
  EXPECT_EQ(OnPage(parts[1]->m_arranged.at(0)), (PLACE{2, 0, 2000}));
}

TEST_F(EditPrintLayoutTest, SetNeedsMeasureReachesChildrenAndCopiesButNotTheTemplate) {
  CTestNameField* field = AddNameField(1);
  CTestPart* part = AddPart({{8000, 1000}});
  sheet.m_kimeiran.m_bNeedsMeasure = 0;
  sheet.SetNeedsMeasure(TRUE);
  EXPECT_EQ(sheet.m_bNeedsMeasure, 1);
  EXPECT_EQ(field->m_bNeedsMeasure, 1);
  EXPECT_EQ(part->m_bNeedsMeasure, 1);
  EXPECT_EQ(sheet.m_kimeiran.m_bNeedsMeasure, 0);
}

}  // namespace
