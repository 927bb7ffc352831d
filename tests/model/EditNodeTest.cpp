#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/DefaultFonts.h"
#include "model/EditNode.h"
#include "model/UndoGroup.h"
#include "tests/support/Bytes.h"

namespace {

LONG IntAt(const Bytes& bytes, size_t offset) {
  LONG v;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

Bytes Slice(const Bytes& bytes, size_t from) { return Bytes(bytes.begin() + long(from), bytes.end()); }

Bytes StoreNode(CEditNode& node) {
  return StoreBytes([&](CArchive& ar) { node.Serialize(ar); });
}

// Offsets of the block sizes in a node record, in the order the groups are written.
constexpr size_t kBlockSizeOffsets[] = {0, 276, 328, 336, 372, 377, 389, 401};
constexpr LONG kBlockSizes[] = {272, 48, 4, 32, 1, 8, 8, 28};
constexpr size_t kAfterBlocks = 433;

TEST(EditNodeTest, DefaultNodeRecordIsByteExact) {
  CEditNode node;
  Bytes bytes = StoreNode(node);
  for (size_t i = 0; i < std::size(kBlockSizes); ++i)
    EXPECT_EQ(IntAt(bytes, kBlockSizeOffsets[i]), kBlockSizes[i]) << "block " << i;

  // Block 1: flags, page and the default LOGFONT at their offsets.
  EXPECT_EQ(IntAt(bytes, 4 + 8), 1);    // needs measure
  EXPECT_EQ(IntAt(bytes, 4 + 12), 1);   // caret stop
  EXPECT_EQ(IntAt(bytes, 4 + 268), 1);  // page
  LOGFONTA lf;
  GetDefaultFont(&lf, FALSE);
  EXPECT_EQ(std::memcmp(bytes.data() + 4 + 84, &lf, sizeof lf), 0);
  EXPECT_EQ(std::count(bytes.begin() + 4 + 144, bytes.begin() + 4 + 256, 0), 112);

  std::string zeros21;
  for (int i = 0; i < 21; ++i) zeros21 += "00 ";
  const std::string face = "82 6C 82 72 20 82 6F 96 BE 92 A9 " + zeros21;
  EXPECT_EQ(ToHex(Bytes(bytes.begin() + 280, bytes.begin() + kAfterBlocks)),
            ToHex(HexBytes(face + "73 01 00 00 00 00 00 00 00 00 00 00 90 01 00 00 "
                           "04 00 00 00 00 00 00 00 "
                           "20 00 00 00 FF FF FF 00 00 00 00 00 00 00 00 00 01 00 00 00 "
                           "00 00 00 00 01 00 00 00 00 00 00 00 01 00 00 00 "
                           "01 00 00 00 01 "
                           "08 00 00 00 01 00 00 00 00 00 00 00 "
                           "08 00 00 00 00 00 00 00 00 00 00 00 "
                           "1C 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                           "00 00 00 00 00 00 00 00 00 00 00 00")));
  EXPECT_EQ(ToHex(Slice(bytes, kAfterBlocks)),
            ToHex(HexBytes("FF FF FF FF 00 00 00 00 " + face + "B0 00 00 00 "
                           "02 00 00 00 00 00 "                     // number string
                           "00 00 00 00 00 00 00 00 "               // overhangs
                           "02 00 00 00 00 00 00 00 00 00 01 00 00 00 "  // node text, type, reserved
                           "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")));
}

void ChangeEveryGroup(CEditNode& node) {
  node.m_nReserved0 = 1;
  node.m_bHidden = 2;
  node.m_bNeedsMeasure = 0;
  node.m_nWidth = 1234;
  node.m_rcInk = RECT{1, 2, 3, 4};
  node.m_ptOrigin = POINT{5, 6};
  node.m_rcHit = RECT{7, 8, 9, 10};
  node.m_lf.lfHeight = -500;
  node.m_tm.tmAscent = 321;
  node.m_nPage = 3;
  node.SetFontFamily("Times New Roman");
  node.m_nFontWeight = 700;
  node.m_crColor = 0x0000FF;
  node.m_nBackgroundPattern = 5;
  node.m_nBorderAfterWidth = 3;
  node.m_nBaselineShift = 2;
  node.m_nAlignmentReserved = 0x55;
  node.m_nAreaWidth = 8000;
  node.m_nAreaHeight = 2;
  node.m_nLetterSpacing = 30;
  node.m_nLineThroughStyle = 7;
  node.m_kasen.nForcedNumber = 4;
  node.m_kasen.nNumberStyle = 6;
  std::strcpy(node.m_kasen.szNumberFace, "Arial");
  node.m_kasen.nNumberSize = 200;
  node.m_strKasenString = u"(ア)";
  node.m_nOverhangLeft = 11;
  node.m_nOverhangRight = 12;
  node.SetText(u"字");
}

template <class Group>
bool SameGroup(const CEditNode& a, const CEditNode& b) {
  return std::memcmp(static_cast<const Group*>(&a), static_cast<const Group*>(&b), sizeof(Group)) == 0;
}

TEST(EditNodeTest, RoundTripKeepsEveryGroupAndTheChildren) {
  CEditNode node(0x01001001);
  ChangeEveryGroup(node);
  auto* child = new CEditNode(0x11001002);
  child->m_nUnderlineStyle = 1;
  node.AppendChild(child);
  Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteObject(&node); });

  std::unique_ptr<CEditNode> loaded;
  LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(dynamic_cast<CEditNode*>(ar.ReadObject())); });
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(SameGroup<CEditProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CFontProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CColorRelatedProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CBorderPaddingBackgroundProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CAreaAlignmentProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CAreaDimensionProperties>(node, *loaded));
  EXPECT_TRUE(SameGroup<CCharacterProperties>(node, *loaded));
  EXPECT_EQ(std::memcmp(&node.m_kasen, &loaded->m_kasen, sizeof node.m_kasen), 0);
  EXPECT_EQ(loaded->m_strKasenString, u"(ア)");
  EXPECT_EQ(loaded->m_nOverhangLeft, 11);
  EXPECT_EQ(loaded->m_nOverhangRight, 12);
  EXPECT_EQ(loaded->m_nType, 0x01001001u);
  EXPECT_EQ(loaded->m_strText, u"字");
  ASSERT_EQ(loaded->GetChildCount(), 1);
  auto* loadedChild = loaded->GetEditChildAt(0);
  ASSERT_NE(loadedChild, nullptr);
  EXPECT_EQ(loadedChild->m_nUnderlineStyle, 1);
  EXPECT_EQ(loadedChild->GetParent(), loaded.get());
  EXPECT_EQ(StoreNode(*loaded), StoreNode(node));
}

// Rewrites the colour block of a stored record to the given size, padding with 0xAB.
Bytes WithColourBlockSize(const Bytes& record, LONG size) {
  Bytes out(record.begin(), record.begin() + 328);
  for (int i = 0; i < 4; ++i) out.push_back(BYTE(size >> (8 * i)));
  for (LONG i = 0; i < size; ++i) out.push_back(i < 4 ? record[332 + size_t(i)] : 0xAB);
  out.insert(out.end(), record.begin() + 336, record.end());
  return out;
}

TEST(EditNodeTest, LoaderReadsTheStoredBlockSizeAndCopiesAtMostTheGroup) {
  CEditNode node;
  node.m_crColor = 0x00112233;
  node.m_nBorderStyle = 4;
  node.m_nOverhangRight = 9;
  const Bytes record = StoreNode(node);

  struct Case {
    LONG size;
    COLORREF expected;
  };
  // A longer block is read whole; a shorter one leaves the rest of the group as it was.
  for (const Case& c : {Case{12, 0x00112233}, Case{2, 0x00AA2233}}) {
    CEditNode loaded;
    loaded.m_crColor = 0x00AAAAAA;
    LoadBytes(WithColourBlockSize(record, c.size), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.m_crColor, c.expected) << c.size;
    EXPECT_EQ(loaded.m_nBorderStyle, 4) << c.size;
    EXPECT_EQ(loaded.m_nOverhangRight, 9) << c.size;
  }
}

TEST(EditNodeTest, DamagedBlockSizesFailCleanly) {
  CEditNode node;
  const Bytes record = StoreNode(node);
  for (LONG size : {LONG(-1), LONG(0x7FFFFFFF), LONG(4000)}) {
    Bytes damaged = record;
    std::memcpy(damaged.data() + 328, &size, sizeof size);
    CEditNode loaded;
    EXPECT_THROW(LoadBytes(damaged, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException) << size;
  }
  CEditNode loaded;
  EXPECT_THROW(LoadBytes(Bytes(record.begin(), record.begin() + 500), [&](CArchive& ar) { loaded.Serialize(ar); }),
               CArchiveException);
}

TEST(EditNodeTest, LoadedFaceNamesAlwaysEndWithinTheirField) {
  CEditNode node;
  Bytes record = StoreNode(node);
  std::memset(record.data() + 4 + 84 + 28, 'A', 32);  // LOGFONT face
  std::memset(record.data() + 280, 'B', 32);          // font group face
  std::memset(record.data() + kAfterBlocks + 8, 'C', 32);
  CEditNode loaded;
  LoadBytes(record, [&](CArchive& ar) { loaded.Serialize(ar); });
  EXPECT_EQ(std::strlen(loaded.m_lf.lfFaceName), 31u);
  EXPECT_EQ(std::strlen(loaded.m_szFontFamily), 31u);
  EXPECT_EQ(std::strlen(loaded.m_kasen.szNumberFace), 31u);
}

TEST(EditNodeTest, NodeFromPointUsesTheHitBoxAndItsMiddle) {
  CEditNode node;
  node.m_rcHit = RECT{100, 200, 300, 400};
  struct Case {
    int x, y;
    bool hit;
    int after;
  };
  for (const Case& c : {Case{100, 200, true, 0}, Case{200, 300, true, 0}, Case{201, 300, true, 1},
                        Case{299, 399, true, 1}, Case{300, 300, false, -1}, Case{99, 300, false, -1},
                        Case{150, 400, false, -1}}) {
    int after = -1;
    CEditNode* result = node.NodeFromPoint(c.x, c.y, &after);
    EXPECT_EQ(result != nullptr, c.hit) << c.x << "," << c.y;
    EXPECT_EQ(after, c.after) << c.x << "," << c.y;
  }
}

// A hit box kept from a damaged record, wider than the integer's half: its middle is still
// found (at 229618).
TEST(EditNodeTest, TheMiddleOfAHugeHitBoxIsFound) {
  CEditNode node;
  node.m_rcHit = RECT{-1734829928, 0, 1735289165, 10};
  int after = -1;
  EXPECT_EQ(node.NodeFromPoint(229618, 5, &after), &node);
  EXPECT_EQ(after, 0);
  EXPECT_EQ(node.NodeFromPoint(229619, 5, &after), &node);
  EXPECT_EQ(after, 1);
}

TEST(EditNodeTest, HiddenAncestorHidesTheSubtree) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  auto* child = new CEditNode(0x01001001);
  sentence.AppendChild(child);
  EXPECT_TRUE(child->IsCaretStop());
  sentence.m_bHidden = 1;
  EXPECT_FALSE(child->IsVisible());
  EXPECT_FALSE(child->IsCaretStop());
}

TEST(EditNodeTest, SentenceModifiedReachesOnlyTheExactSentenceWord) {
  CEditNode sentence(NTYPE_EDITSENTENCE);
  auto* inSentence = new CEditNode(0x01001001);
  sentence.AppendChild(inSentence);
  inSentence->SetSentenceModified(1);
  EXPECT_EQ(sentence.m_bModified, 1);

  CEditNode textBox(0x2000100E);
  auto* inTextBox = new CEditNode(0x01001001);
  textBox.AppendChild(inTextBox);
  inTextBox->SetSentenceModified(1);
  EXPECT_EQ(textBox.m_bModified, 0);
  EXPECT_EQ(inTextBox->m_bModified, 0);
}

TEST(EditNodeTest, RecursiveFlagsReachEveryDescendant) {
  CEditNode root;
  auto* mid = new CEditNode;
  auto* leaf = new CEditNode;
  root.AppendChild(mid);
  mid->AppendChild(leaf);
  root.SetCaretStopRecursive(0);
  root.SetNeedsMeasureRecursive(0);
  for (CEditNode* node : {&root, mid, leaf}) {
    EXPECT_EQ(node->m_bCaretStop, 0);
    EXPECT_EQ(node->m_bNeedsMeasure, 0);
  }
}

TEST(EditNodeTest, FontFormsConvertBothWays) {
  CEditNode node;
  node.m_lf.lfHeight = -600;
  node.m_lf.lfWeight = 700;
  node.m_lf.lfItalic = 1;
  node.m_lf.lfUnderline = 1;
  node.m_lf.lfStrikeOut = 1;
  EXPECT_EQ(node.UpdatePropsFromLogFont(), 1);
  EXPECT_EQ(node.m_nFontSize, 600);
  EXPECT_EQ(node.m_nFontWeight, 700);
  EXPECT_EQ(node.m_nFontItalic, 1);
  EXPECT_EQ(std::string(node.m_szFontFamily), std::string(node.m_lf.lfFaceName));
  EXPECT_EQ(node.m_nUnderlineStyle, 1);
  EXPECT_EQ(node.m_nUnderlineWidth, 1);
  EXPECT_EQ(node.m_nLineThroughStyle, 1);
  EXPECT_EQ(node.m_nLineThroughWidth, 1);

  CEditNode other;
  other.m_nFontSize = 450;
  other.m_nFontWeight = 700;
  other.m_nFontItalic = 2;  // only exactly 1 means italic
  other.SetFontFamily("No Such Face");
  const std::string faceBefore = other.m_lf.lfFaceName;
  other.UpdateLogFontFromProps();
  EXPECT_EQ(other.m_lf.lfHeight, -450);
  EXPECT_EQ(other.m_lf.lfWeight, 700);
  EXPECT_EQ(other.m_lf.lfItalic, 0);
  EXPECT_EQ(std::string(other.m_lf.lfFaceName), faceBefore);
}

TEST(EditNodeTest, FaceThatIsNotInstalledChangesAndRecordsNothing) {
  CEditNode node;
  node.m_bNeedsMeasure = 0;
  const LOGFONTA before = node.m_lf;
  CUndoGroup group;
  EXPECT_EQ(node.SetFontFace("No Such Face 123", &group), 0);
  EXPECT_EQ(std::memcmp(&before, &node.m_lf, sizeof before), 0);
  EXPECT_EQ(group.GetCount(), 0);
  EXPECT_EQ(node.m_bNeedsMeasure, 0);
}

TEST(EditNodeTest, FontSizeStoresPositiveHeightsNegated) {
  struct Case {
    CSize size;
    LONG width, height;
  };
  for (const Case& c : {Case{CSize(0, 371), 0, -371}, Case{CSize(10, -200), 10, -200}, Case{CSize(0, 0), 0, 0}}) {
    CEditNode node;
    node.SetFontSize(c.size, nullptr);
    EXPECT_EQ(node.m_lf.lfWidth, c.width);
    EXPECT_EQ(node.m_lf.lfHeight, c.height);
  }
}

}  // namespace
