#include "elements/EditKan.h"
#include "elements/EditKunten.h"
#include "elements/EditOkurigana.h"
#include "tests/xmlformat/FoBuildFixture.h"

namespace {

// A kanbun block for 人 with a right kana ト and the kaeriten 二, 150 wide.
CEditKan* AddKanbun(CQVXMLNode* parent, BOOL bHyphen) {
  auto* kan = AddNode(parent, new CEditKan());
  CEditChar kanji(u'人');
  CopyFaceName(kanji.m_lf.lfFaceName, "K");
  kan->m_bHyphen = bHyphen;
  kan->CreatePartsFromChar(&kanji, bHyphen);
  kan->SetKaeritenText(CStringW(u"二"), nullptr);
  kan->GetKaeritenBox()->m_nWidth = 150;
  kan->GetRightKanaBox()->InsertChild(0, new CEditChar(u'ト'));
  if (bHyphen) kan->m_HyphenMark.SetText(CStringW(u"-"));
  return kan;
}

std::string Normalised(std::string dump) {
  // The kanbun characters' faces and sizes come from the block's own defaults.
  for (size_t at; (at = dump.find(" face=")) != std::string::npos;) {
    size_t end = dump.find(" size=", at);
    size_t stop = dump.find_first_of(" \n", end + 1);
    dump.erase(at, stop - at);
  }
  return dump;
}

TEST_F(FoBuildTest, KanbunWithoutHyphenHasFiveMarkInlines) {
  CEditSentence* s = NewSentence();
  AddKanbun(s, FALSE);
  AddLineEnd(s);
  EXPECT_EQ(Normalised(Build(s)),
            "fo:block-container\n"
            "  fo:block line=71\n"
            "    fo:inline-container kind=5\n"
            "      fo:block line=71\n"
            "        fo:block line=71\n"
            "          fo:inline 'ト'\n"
            "      fo:block line=71\n"
            "        fo:inline\n"
            "        fo:inline '人'\n"
            "        fo:inline\n"
            "        fo:inline shift=1 letter=-150 '二'\n"
            "        fo:inline\n"
            "      fo:block line=71\n"
            "        fo:block line=71\n"
            "          fo:inline\n"
            "    fo:inline\n");
}

TEST_F(FoBuildTest, KanbunWithHyphenHasFourMarkInlines) {
  CEditSentence* s = NewSentence();
  AddKanbun(s, TRUE);
  AddLineEnd(s);
  EXPECT_EQ(Normalised(Build(s)),
            "fo:block-container\n"
            "  fo:block line=71\n"
            "    fo:inline-container kind=6\n"
            "      fo:block line=71\n"
            "        fo:block line=71\n"
            "          fo:inline 'ト'\n"
            "      fo:block line=71\n"
            "        fo:inline\n"
            "        fo:inline '人'\n"
            "        fo:inline shift=2 '-'\n"
            "        fo:inline shift=1 letter=-150 '二'\n"
            "      fo:block line=71\n"
            "        fo:block line=71\n"
            "          fo:inline\n"
            "    fo:inline\n");
}

}  // namespace
