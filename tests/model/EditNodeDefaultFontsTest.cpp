#include <gtest/gtest.h>

#include <cstring>

#include "model/DefaultFonts.h"
#include "model/FontList.h"
#include "model/GdiCache.h"
#include "tests/support/EditSession.h"

namespace {

constexpr DWORD kChar = 0x01001001;
constexpr DWORD kMathChar = 0x03001020;
constexpr DWORD kFraction = 0x22001040;

class ApplyDefaultFontsTest : public EditSessionTest {
 protected:
  void SetUp() override {
    if (GetFontCount() < 3) GTEST_SKIP() << "needs three installed faces";
    for (int i = 0; i < 3; ++i) GetFontLogFont(i, &m_faces[i]);
  }
  // Every entry gets one of three installed faces, and italic only for the third.
  DEFAULT_FONTS TableOf(std::initializer_list<std::pair<DEFAULT_FONTS::Index, int>> faces) {
    DEFAULT_FONTS table;
    for (auto [index, face] : faces) {
      table.entries[index].lf = m_faces[face];
      table.entries[index].bItalic = face == 2;
    }
    return table;
  }
  CEditNode* Char(CEditNode* parent, DWORD type, const char16_t* text) {
    CEditNode* node = Add(parent, type);
    node->SetText(text);
    return node;
  }
  int FaceOf(const CEditNode* node) {
    for (int i = 0; i < 3; ++i)
      if (std::strcmp(node->m_lf.lfFaceName, m_faces[i].lfFaceName) == 0) return i;
    return -1;
  }

  LOGFONTA m_faces[3]{};
};

TEST_F(ApplyDefaultFontsTest, RunningTextByCharacterClassInEitherDirection) {
  const DEFAULT_FONTS table = TableOf({{DEFAULT_FONTS::Default, 0},
                                       {DEFAULT_FONTS::HankakuDefault, 1},
                                       {DEFAULT_FONTS::NumericDefault, 2},
                                       {DEFAULT_FONTS::AtDefault, 1},
                                       {DEFAULT_FONTS::AtHankakuDefault, 2},
                                       {DEFAULT_FONTS::AtNumericDefault, 0}});
  for (int vertical : {0, 1}) {
    g_bVerticalWriting = vertical;
    m_root->DeleteAllChildren();
    CEditNode* s = Add(m_root.get(), NTYPE_EDITSENTENCE);
    CEditNode* kana = Char(s, kChar, u"あ");
    CEditNode* latin = Char(s, kChar, u"a");
    CEditNode* digit = Char(s, kChar, u"1");
    CEditNode* gaiji = Char(s, kChar, u"1");
    std::strcpy(gaiji->m_lf.lfFaceName, "Halvern Gaiji");
    m_root->ApplyDefaultFonts(table, m_undo.get());
    EXPECT_EQ(FaceOf(kana), 0);
    EXPECT_EQ(FaceOf(latin), 1);
    EXPECT_EQ(FaceOf(digit), 2);
    EXPECT_EQ(digit->m_lf.lfItalic, 1);
    EXPECT_EQ(kana->m_lf.lfItalic, 0);
    EXPECT_STREQ(gaiji->m_lf.lfFaceName, "Halvern Gaiji");
  }
  g_bVerticalWriting = 0;
}

TEST_F(ApplyDefaultFontsTest, FormulaCharactersTakeTheMathEntries) {
  const DEFAULT_FONTS table = TableOf({{DEFAULT_FONTS::MathDefault, 0},
                                       {DEFAULT_FONTS::MathNumericDefault, 1},
                                       {DEFAULT_FONTS::MathOperatorDefault, 2}});
  CEditNode* fraction = Add(Add(m_root.get(), NTYPE_EDITSENTENCE), kFraction);
  struct Case {
    const char16_t* text;
    int face;
  };
  const Case cases[] = {{u"x", 0}, {u"''", 0}, {u"x2", 1}, {u"2", 1}, {u"(", 1},
                        {u"+", 2}, {u"=", 2}, {u"α", 2}, {u"×", 2}};
  for (const Case& c : cases) Char(fraction, kMathChar, c.text);
  const Bytes before = TreeBytes();
  fraction->ApplyDefaultFonts(table, m_undo.get());
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(FaceOf(fraction->GetEditChildAt(int(i))), cases[i].face) << i;
  EXPECT_EQ(m_undo->GetCount(), 2 * int(std::size(cases)));
  ExpectUndoRestores(before);
}

}  // namespace
