#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "model/EditSentence.h"
#include "tests/elements/DamagedArchive.h"
#include "tests/elements/KanbunTestParts.h"
#include "tests/support/Bytes.h"
#include "tests/support/StringWPrint.h"

// Kanbun records travel on the clipboard and inside embedded objects: they load back byte for
// byte, and damaged ones fail cleanly.
namespace {

std::unique_ptr<CQVXMLNode> KanbunList() {
  auto list = std::make_unique<CQVXMLNode>();
  auto* sentence = new CEditSentence;
  auto block = MakeBlock(u"之");
  block->SetOpenBracketText(u"「", nullptr);
  block->SetPunctuationText(u"。", nullptr);
  block->SetKaeritenText(u"一レ", nullptr);
  FillBox(*block->GetRightKanaBox(), u"ヲ", 500);
  block->m_kasen.nNumberStyle = 2;
  block->m_nBorderBeforeStyle = 1;
  sentence->AppendChild(block.release());
  auto hyphen = MakeBlock(u"時");
  hyphen->SetHyphen(TRUE, nullptr, nullptr);
  hyphen->LockParts(TRUE);
  sentence->AppendChild(hyphen.release());
  auto* lineEnd = new CEditKanCR;
  lineEnd->m_nTextAlign = CBlockLineRelatedProperties::AlignCenter;
  lineEnd->m_nLineSpacing = 120;
  sentence->AppendChild(lineEnd);
  list->AppendChild(sentence);
  return list;
}

Bytes Store(CObject* object) {
  return StoreBytes([&](CArchive& ar) { ar.WriteObject(object); });
}

std::unique_ptr<CObject> Load(const Bytes& bytes) {
  std::unique_ptr<CObject> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CObject))); });
  return loaded;
}

// Where the record of the first object of the class starts, after its class-name record.
size_t RecordStart(const Bytes& bytes, const std::string& className) {
  auto it = std::search(bytes.begin(), bytes.end(), className.begin(), className.end());
  return size_t(it - bytes.begin()) + className.size();
}

LONG IntAt(const Bytes& bytes, size_t offset) {
  LONG value = 0;
  std::memcpy(&value, &bytes[offset], sizeof value);
  return value;
}

void SetIntAt(Bytes& bytes, size_t offset, LONG value) { std::memcpy(&bytes[offset], &value, sizeof value); }

}  // namespace

TEST(KanbunArchive, EveryClassLoadsBackWhole) {
  auto list = KanbunList();
  const Bytes bytes = Store(list.get());
  std::unique_ptr<CObject> loaded = Load(bytes);
  EXPECT_EQ(Store(loaded.get()), bytes);

  auto* sentence = static_cast<CQVXMLNode*>(loaded.get())->GetChildAt(0);
  auto* block = dynamic_cast<CEditKan*>(sentence->GetChildAt(0));
  auto* hyphen = dynamic_cast<CEditKan*>(sentence->GetChildAt(1));
  auto* lineEnd = dynamic_cast<CEditKanCR*>(sentence->GetChildAt(2));
  ASSERT_TRUE(block && hyphen && lineEnd);
  CStringW text;
  EXPECT_TRUE(block->GetKaeritenText(text));
  EXPECT_EQ(text, CStringW(u"一レ"));
  EXPECT_EQ(block->GetKaeritenBox()->m_nKind, 2);
  EXPECT_EQ(block->GetPunctuationBox()->m_nAdvance, 60);
  EXPECT_EQ(block->GetRightKanaBox()->m_bAlignEnd, 1);
  EXPECT_EQ(dynamic_cast<CEditKanChar*>(block->GetKanjiBox()->GetChildAt(0))->m_strText, CStringW(u"之"));
  EXPECT_EQ(hyphen->m_bHyphen, 1);
  EXPECT_EQ(hyphen->GetChildCount(), 5);
  EXPECT_EQ(hyphen->m_HyphenMark.m_strText, CStringW(u"\u3000"));
  EXPECT_EQ(hyphen->m_HyphenMark.m_lf.lfHeight, -500);
  EXPECT_EQ(lineEnd->m_nTextAlign, CBlockLineRelatedProperties::AlignCenter);
  EXPECT_EQ(lineEnd->m_nLineSpacing, 120);
}

// Fields first, in the order of the records, then the base's record.
TEST(KanbunArchive, RecordLayouts) {
  auto block = MakeBlock(u"之");
  block->m_bHyphen = 7;
  block->GetKaeritenBox()->m_nAdvance = 61;
  const Bytes bytes = Store(block.get());
  const size_t kan = RecordStart(bytes, "CEditKan");
  EXPECT_EQ(IntAt(bytes, kan), 7);
  EXPECT_EQ(IntAt(bytes, kan + 4), 2);    // the hyphen mark's hit side
  EXPECT_EQ(IntAt(bytes, kan + 8), 60);   // its LOGFONT block
  const size_t kunten = RecordStart(bytes, "CEditKunten");
  EXPECT_EQ(IntAt(bytes, kunten), 1);
  EXPECT_EQ(IntAt(bytes, kunten + 4), 40);
  const size_t okurigana = RecordStart(bytes, "CEditOkurigana");
  EXPECT_EQ(IntAt(bytes, okurigana), 1);

  CEditKanCR lineEnd;
  lineEnd.m_nTextAlign = CBlockLineRelatedProperties::AlignRight;
  const Bytes crBytes = Store(&lineEnd);
  const size_t cr = RecordStart(crBytes, "CEditKanCR");
  EXPECT_EQ(IntAt(crBytes, cr), 16);
  EXPECT_EQ(IntAt(crBytes, cr + 4 + 12), CBlockLineRelatedProperties::AlignRight);
  EXPECT_EQ(IntAt(crBytes, cr + 20), 0);  // the character's hit side
}

// A paragraph block of another length is read as stored, and only its first 16 bytes count.
TEST(KanbunArchive, ALineEndBlockOfAnotherLengthReadsAsStored) {
  CEditKanCR lineEnd;
  lineEnd.m_nLineSpacing = 99;
  lineEnd.m_nTextAlign = CBlockLineRelatedProperties::AlignRight;
  lineEnd.SetText(u"x");
  const Bytes good = Store(&lineEnd);
  const size_t cr = RecordStart(good, "CEditKanCR");

  Bytes longer = good;
  SetIntAt(longer, cr, 20);
  longer.insert(longer.begin() + long(cr + 4 + 16), {0xAA, 0xBB, 0xCC, 0xDD});
  auto loaded = Load(longer);
  auto* fromLonger = dynamic_cast<CEditKanCR*>(loaded.get());
  ASSERT_NE(fromLonger, nullptr);
  EXPECT_EQ(fromLonger->m_nTextAlign, CBlockLineRelatedProperties::AlignRight);
  EXPECT_EQ(fromLonger->m_strText, CStringW(u"x"));
  EXPECT_EQ(Store(fromLonger), good);

  Bytes shorter = good;
  SetIntAt(shorter, cr, 8);
  shorter.erase(shorter.begin() + long(cr + 4 + 8), shorter.begin() + long(cr + 4 + 16));
  loaded = Load(shorter);
  auto* fromShorter = dynamic_cast<CEditKanCR*>(loaded.get());
  ASSERT_NE(fromShorter, nullptr);
  EXPECT_EQ(fromShorter->m_nLineSpacing, 99);
  EXPECT_EQ(fromShorter->m_nTextAlign, CBlockLineRelatedProperties::AlignLeft);
  EXPECT_EQ(fromShorter->m_strText, CStringW(u"x"));

  for (LONG length : {LONG(-1), LONG(0x7FFFFFFF), LONG(int(good.size()))}) {
    Bytes bad = good;
    SetIntAt(bad, cr, length);
    EXPECT_THROW(Load(bad), CArchiveException) << length;
  }
}

TEST(KanbunArchive, DamagedRecordsFailCleanly) {
  auto list = KanbunList();
  LoadDamagedCopies(Store(list.get()), 16, 1);
  SUCCEED();
}
