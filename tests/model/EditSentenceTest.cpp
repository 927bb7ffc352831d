#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/DefaultFonts.h"
#include "model/FoBlockContainer.h"
#include "model/GdiCache.h"
#include "tests/model/SentenceTestSupport.h"
#include "tests/support/Bytes.h"

namespace {

TEST(EditSentenceTest, NewSentenceIsAnEmptyPartThatIsNoCaretStop) {
  CEditSentence sentence;
  EXPECT_EQ(sentence.m_nType, NTYPE_EDITSENTENCE);
  EXPECT_EQ(sentence.m_bCaretStop, 0);
  EXPECT_EQ(sentence.m_nKind, 0);
  EXPECT_EQ(sentence.m_haiten.m_strFence, u"（");
  EXPECT_TRUE(sentence.m_mondaiInfo.IsUnregistered());
  EXPECT_EQ(sentence.m_mondaiInfo.m_nId, -1);
  EXPECT_EQ(std::string(sentence.GetRuntimeClass()->m_lpszClassName), "CEditSentence");
}

TEST(EditSentenceTest, AppendLineBreakGivesTheSentenceTheDefaultFont) {
  CEditSentence sentence;
  sentence.AppendLineBreak();
  ASSERT_EQ(sentence.GetChildCount(), 1);
  EXPECT_EQ(sentence.GetChildAt(0)->m_nType, NTYPE_EDITCR);
  LOGFONTA expected;
  GetDefaultFont(&expected, g_bVerticalWriting);
  EXPECT_STREQ(sentence.m_lf.lfFaceName, expected.lfFaceName);
  EXPECT_EQ(sentence.m_lf.lfHeight, -std::abs(GetDefaultHeight()));
}

TEST(EditSentenceTest, HiddenFlagAndWidthTravelThroughTheBlockContainer) {
  CFoBlockContainer block;
  block.m_nVisibility = CFoBlockContainer::VisibilityCollapse;
  block.m_nWidth = 12000;
  CEditSentence sentence;
  sentence.CopyPropsFromFo(&block);
  EXPECT_EQ(sentence.m_bHidden, 2);
  EXPECT_EQ(sentence.m_nAreaWidth, 12000);
  CFoBlockContainer written;
  sentence.CopyPropsToFo(&written);
  EXPECT_EQ(written.m_nVisibility, 2);
  EXPECT_EQ(written.m_nWidth, 12000);
}

TEST(EditSentenceTest, HasContentIgnoresQuestionNumbersAndASingleLineEnd) {
  struct Case {
    const char* children;  // n number, r line end, c character
    bool content;
  };
  for (const Case& c : {Case{"r", false}, Case{"c", false}, Case{"nr", false}, Case{"nnr", false},
                        Case{"rr", true}, Case{"cr", true}, Case{"nrr", true}}) {
    CEditSentence sentence;
    for (const char* p = c.children; *p; ++p) {
      if (*p == 'n') AddQuestionNumber(sentence, 1000);
      if (*p == 'r') AddLineEnd(sentence);
      if (*p == 'c') AddChar(sentence, u'あ');
    }
    EXPECT_EQ(bool(sentence.HasContent()), c.content) << c.children;
  }
}

TEST(EditSentenceTest, KindLabelTextAndFaceFollowKindAndDirection) {
  const std::pair<int, std::u16string> kinds[] = {{1, u"問題"}, {2, u"解答欄"}, {3, u"解答"}, {4, u"解説"}, {7, u""}};
  CCoordMapper mapper;
  for (const auto& [kind, text] : kinds) {
    CEditSentence sentence;
    sentence.m_nKind = kind;
    CEditChar label;
    sentence.UpdateKindLabel(&label, &mapper);
    EXPECT_EQ(label.m_strText.str(), text) << kind;
    if (!text.empty()) {
      EXPECT_EQ(label.m_lf.lfHeight, -282);
    }
  }
  CEditSentence sentence;
  sentence.m_nKind = CEditSentence::KindAnswer;
  CEditChar label;
  mapper.m_bVertical = 1;
  sentence.UpdateKindLabel(&label, &mapper);
  sentence.UpdateKindLabel(&label, &mapper);
  const std::string vertical = label.m_lf.lfFaceName;
  EXPECT_EQ(vertical.rfind('@'), 0u) << vertical;
  mapper.m_bVertical = 0;
  sentence.UpdateKindLabel(&label, &mapper);
  EXPECT_EQ(std::string(label.m_lf.lfFaceName).find('@'), std::string::npos);
}

// Children: (numbering style, underline style, underline width), nested one level for 'sub'.
struct KASEN_CHILD {
  int style;
  int line;
  int width;
  bool sub = false;
};

std::unique_ptr<CEditSentence> BuildKasenSentence(const std::vector<KASEN_CHILD>& children) {
  auto sentence = std::make_unique<CEditSentence>();
  CEditNode* holder = nullptr;
  for (const KASEN_CHILD& c : children) {
    auto* node = new CEditChar(u'あ');
    node->m_kasen.nNumberStyle = c.style;
    node->m_nUnderlineStyle = c.line;
    node->m_nUnderlineWidth = c.width;
    if (c.sub) {
      if (!holder) {
        holder = new CEditContainer;
        sentence->AppendChild(holder);
      }
      holder->AppendChild(node);
    } else {
      holder = nullptr;
      sentence->AppendChild(node);
    }
  }
  sentence->AppendChild(new CEditCR);
  return sentence;
}

void CollectNumbers(const CEditNode& node, std::vector<int>& numbers) {
  for (int i = 0; i < node.GetChildCount(); ++i) {
    numbers.push_back(node.GetEditChildAt(i)->m_nKasenNumber);
    CollectNumbers(*node.GetEditChildAt(i), numbers);
  }
}

// Only the numberings in use are walked; the numbers equal those of walking all 48.
TEST(EditSentenceTest, NumberKasenMatchesWalkingEveryNumbering) {
  const std::vector<KASEN_CHILD> children = {
      {1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {1, 1, 1}, {2, 1, 3}, {2, 1, 3, true}, {0, 0, 0, true},
      {2, 1, 3, true}, {1, 7, 1}, {0, 0, 0}, {1, 7, 1}, {6, 4, 1}, {1, 1, 2}};
  auto fast = BuildKasenSentence(children);
  fast->NumberKasen();
  auto full = BuildKasenSentence(children);
  for (int style = 1; style <= 6; ++style)
    for (auto [line, width] : {std::pair{1, 1}, {1, 3}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}})
      full->NumberKasenRuns(1, style, line, width);
  std::vector<int> fastNumbers, fullNumbers;
  CollectNumbers(*fast, fastNumbers);
  CollectNumbers(*full, fullNumbers);
  EXPECT_EQ(fastNumbers, fullNumbers);
  EXPECT_EQ(fast->GetEditChildAt(3)->m_nKasenNumber, 2);
}

TEST(EditSentenceTest, RunFlagsMarkTheFirstAndLastNodeOfEachNumberedRun) {
  auto sentence = BuildKasenSentence({{1, 1, 1}, {1, 1, 1}, {1, 1, 3}, {2, 1, 3}, {0, 0, 0}});
  CRecordingDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM param{};
  param.nWidth = 10000;
  sentence->Measure(&dc, &mapper, &param);
  std::vector<int> flags;
  for (int i = 0; i < sentence->GetChildCount(); ++i) flags.push_back(sentence->GetEditChildAt(i)->m_nBorderRunFlags);
  EXPECT_EQ(flags, (std::vector<int>{1, 2, 3, 3, 0, 0}));
}

// The sentence's record is the container's under its own class name: kind, numbers and points
// travel in the sheet XML only.
TEST(EditSentenceTest, ArchiveRecordIsTheContainerRecordUnderTheSentenceName) {
  CEditSentence sentence;
  sentence.m_nKind = 3;
  sentence.m_nMajor = 2;
  sentence.m_haiten.m_nForm = HAITEN_INFO::FormSum;
  sentence.m_haiten.m_nTotal = 20;
  sentence.m_nMarginLeft = 1500;
  AddText(sentence, u"あ\n");
  CRecordingDC dc;
  CCoordMapper mapper;
  EDIT_LAYOUT_PARAM param{};
  param.nWidth = 10000;
  sentence.Measure(&dc, &mapper, &param);

  const Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&sentence); });
  const std::string name = "CEditSentence";
  ASSERT_GT(bytes.size(), 8 + name.size());
  EXPECT_EQ(ToHex(Bytes(bytes.begin(), bytes.begin() + 6)), "FF FF 01 00 0D 00");
  EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 6 + long(name.size())), name);
  const Bytes record = StoreBytes([&](CArchive& ar) { sentence.CEditContainer::Serialize(ar); });
  EXPECT_EQ(Bytes(bytes.begin() + 6 + long(name.size()), bytes.end()), record);

  std::unique_ptr<CEditSentence> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(dynamic_cast<CEditSentence*>(ar.ReadObject())); });
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetChildCount(), 2);
  EXPECT_EQ(loaded->GetBoxCount(), 1);
  EXPECT_EQ(loaded->m_nMarginLeft, sentence.m_nMarginLeft);
  EXPECT_EQ(loaded->m_nKind, 0);
  EXPECT_EQ(loaded->m_haiten.m_nForm, HAITEN_INFO::FormPlain);
  EXPECT_EQ(loaded->m_haiten.m_nTotal, 0);
  EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteObject(loaded.get()); }), bytes);
}

}  // namespace
