#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "elements/EditFloat.h"
#include "elements/EditKaiPage.h"
#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "elements/EditTable.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

constexpr char16_t kPassage[] =
    u"次の文章を読んで、後の問いに答えなさい。春はあけぼの。やうやう白くなりゆく山ぎは、少しあかりて、"
    u"紫だちたる雲の細くたなびきたる。夏は夜。月のころはさらなり、やみもなほ、蛍の多く飛びちがひたる。";
constexpr int kDotsPerInch = 150;

void AppendText(CEditNode& parent, const std::u16string& text) {
  for (char16_t c : text) {
    if (c == u'\n')
      parent.AppendChild(new CEditCR);
    else
      parent.AppendChild(new CEditChar(c));
  }
}

std::u16string Repeat(int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += kPassage;
  return text;
}

CEditSentence* AddPart(CEditPrint& sheet, int kind, int major) {
  auto* part = new CEditSentence;
  part->m_nKind = kind;
  part->m_nMajor = major;
  sheet.AppendChild(part);
  return part;
}

CEditTable* MakeTable() {
  auto* table = new CEditTable;
  table->CreateCells(2, 3);
  const char16_t* texts[] = {u"語句", u"読み", u"意味", u"あけぼの", u"あけぼの", u"夜明け"};
  for (int i = 0; i < 6; ++i) {
    CEditNode* cell = table->GetCell(i / 3, i % 3);
    for (const char16_t* c = texts[i]; *c; ++c) cell->InsertChild(cell->GetChildCount() - 1, new CEditChar(*c));
  }
  return table;
}

CEditFloat* MakeFloat() {
  auto* frame = new CEditFloat;
  frame->m_floatDim.m_nAreaHeight = 2;
  AppendText(*frame, u"注：「あけぼの」は\n夜がほのぼのと\n明けるころ。\n");
  return frame;
}

// Three pages: a long first question over pages 1 and 2, a table and a text frame, a page
// break, then the answers on page 3; the default name field on page 1.
void BuildSheet(CEditPrint& sheet) {
  auto* field = new CEditKimeiran;
  field->BuildDefaultNameField();
  sheet.m_nodePageKimeiran.AppendChild(field);
  sheet.SetNameFieldPage(1, 1);
  const RECT margins{1500, 1500, 1500, 1500};
  sheet.SetMargins(&margins);

  AppendText(*AddPart(sheet, CEditSentence::KindQuestion, 1), u"問一　" + Repeat(30) + u"\n");
  CEditSentence* second = AddPart(sheet, CEditSentence::KindQuestion, 2);
  AppendText(*second, u"問二　次の表を完成させなさい。\n");
  second->AppendChild(MakeTable());
  AppendText(*second, u"\n");
  CEditSentence* third = AddPart(sheet, CEditSentence::KindQuestion, 3);
  third->AppendChild(MakeFloat());
  AppendText(*third, u"問三　" + Repeat(4) + u"\n");
  auto* pageBreak = new CEditKaiPage;
  pageBreak->Init();
  sheet.AppendChild(pageBreak);
  AppendText(*AddPart(sheet, CEditSentence::KindAnswer, 1), u"解答　" + Repeat(3) + u"\n");
}

class EditPrintPngTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { saved = g_bVerticalWriting; }
  void TearDown() override { g_bVerticalWriting = saved; }
  int saved = 0;
};

TEST_P(EditPrintPngTest, DrawsPagesOneAndTwoForAPersonToLookAt) {
  const int vertical = GetParam();
  g_bVerticalWriting = vertical;
  CEditPrint sheet;
  if (vertical) {
    const SIZE turned{29700, 21000};
    sheet.SetPageSize(&turned);
  }
  BuildSheet(sheet);

  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = vertical;
  sheet.Measure(&measureDC, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  sheet.Arrange(&arrange, vertical);
  EXPECT_EQ(sheet.m_nPageCount, 3);

  mapper.SetResolution(kDotsPerInch, kDotsPerInch, 100);
  SIZE page{};
  sheet.GetPageSize(&page);
  // Vertical sheets keep their layout turned: the long side runs across the layout.
  const SIZE paper = vertical ? SIZE{page.cy, page.cx} : page;
  if (vertical) mapper.m_nOriginY = page.cy;
  for (int number = 1; number <= 2; ++number) {
    QImage image(paper.cx * kDotsPerInch / 2540, paper.cy * kDotsPerInch / 2540, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDC dc(MakeImageBackend(&image));
    EDIT_LAYOUT_PARAM print{};
    print.nPage = number;
    sheet.ArrangePage(&print, vertical);
    sheet.DrawPage(&dc, &mapper, &print);
    const std::string name = std::string(QR_BUILD_DIR "/sheet-") + (vertical ? "vertical" : "horizontal") + "-page" +
                             std::to_string(number) + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(name)));
  }
}

INSTANTIATE_TEST_SUITE_P(BothDirections, EditPrintPngTest, ::testing::Values(0, 1));

}  // namespace
