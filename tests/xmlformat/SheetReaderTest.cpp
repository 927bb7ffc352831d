#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

#include "elements/EditHaiten.h"
#include "elements/EditPrint.h"
#include "model/EditCR.h"
#include "model/EditSentence.h"
#include "model/FoPageElements.h"
#include "model/GdiCache.h"
#include "model/XslElements.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/FoItemFactory.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"
#include "xmlformat/XmlResources.h"

namespace {

std::u16string Template(int nId) {
  std::u16string text;
  EXPECT_TRUE(LoadXmlResource(nId, text));
  return text;
}

std::u16string Replaced(std::u16string text, std::u16string_view from, std::u16string_view to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::u16string::npos) << QString::fromUtf16(from.data(), qsizetype(from.size())).toStdString();
  if (at != std::u16string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string Utf8(const CStringW& s) { return QString::fromStdU16String(s.str()).toStdString(); }

int CountDescendants(const CQVXMLNode& node, DWORD nType) {
  int count = 0;
  for (int i = 0; i < node.GetChildCount(); ++i) {
    const CQVXMLNode* child = node.GetChildAt(i);
    count += (child->m_nType == nType) + CountDescendants(*child, nType);
  }
  return count;
}

// The question part of minor question 1 of major 1, holding a points node and a line end.
CEditSentence* AppendMinorQuestion(CEditPrint& root) {
  auto* part = new CEditSentence();
  part->m_nKind = CEditSentence::KindQuestion;
  part->m_nMajor = 1;
  part->m_nMinor = 1;
  part->AppendChild(new CEditHaiten());
  part->AppendChild(new CEditCR());
  root.AppendChild(part);
  return part;
}

// Objects are only made from side files that exist, and the tests' sheets name none that do.
class CNoItems : public CFoItemFactory {
 public:
  CEditNode* CreateObjectNode(CArchive&, const CStringW&, int, int) override {
    ADD_FAILURE() << "no object should be made";
    return new CEditNode;
  }
};

class SheetReaderTest : public ::testing::Test {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  BOOL Read(const std::u16string& xml) { return m_reader.LoadXmlString(&m_root, xml.c_str()); }

  std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }
  QByteArray Bytes(const char* name) const {
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  std::vector<std::string> Selects(const CEditPrint& root) const {
    std::vector<std::string> out;
    for (int i = 0; root.m_pBodyFlow && i < root.m_pBodyFlow->GetChildCount(); ++i)
      if (auto* call = dynamic_cast<CXslApplyTemplates*>(root.m_pBodyFlow->GetChildAt(i)))
        out.push_back(Utf8(call->m_strSelect));
    return out;
  }

  int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
  CEditPrint m_root;
  CSheetReader m_reader;
};

}  // namespace

TEST_F(SheetReaderTest, NewSheetsFromBothTemplates) {
  for (BOOL bVertical : {FALSE, TRUE}) {
    CEditPrint root;
    CSheetReader reader;
    ASSERT_TRUE(reader.LoadDefaultPrint(&root, bVertical)) << Utf8(reader.GetError());
    EXPECT_EQ(root.m_nReserved0, bVertical);
    EXPECT_EQ(g_bVerticalWriting, bVertical);
    ASSERT_EQ(root.GetChildCount(), 4);
    for (int kind = 1; kind <= 4; ++kind) {
      CEditSentence* part = root.FindMajorPart(1, kind);
      ASSERT_TRUE(part) << kind;
      EXPECT_EQ(part, root.GetChildAt(kind - 1));
      // The first part of each question shows its points.
      EXPECT_EQ(part->FindDescendant(NTYPE_EDITHAITEN) != nullptr, kind == 1) << kind;
    }
    EXPECT_EQ(Selects(root), (std::vector<std::string>{"print/dmon[1]/mon/dai", "print/dmon[1]/mon/ran",
                                                       "print/dmon[1]/mon/kai", "print/dmon[1]/mon/setsu"}));
    SIZE size;
    root.GetPageSize(&size);
    EXPECT_EQ(size.cx, 21000);
    EXPECT_EQ(size.cy, 29700);
    EXPECT_FALSE(reader.HasSearchInfo());
    EXPECT_TRUE(reader.GetMessages().empty());
  }
}

// Written, read back into a fresh root and written again under the same name: the same bytes.
TEST_F(SheetReaderTest, NewSheetsSurviveARoundTrip) {
  for (BOOL bVertical : {FALSE, TRUE}) {
    CEditPrint first;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&first, bVertical));
    const std::string path = Path(bVertical ? "vertical.qvp" : "horizontal.qvp");
    ASSERT_TRUE(WriteSheetXml(&first, path.c_str()));
    const QByteArray written = Bytes(bVertical ? "vertical.qvp" : "horizontal.qvp");

    CEditPrint second;
    CSheetReader reader;
    ASSERT_TRUE(reader.LoadXmlFile(&second, path.c_str())) << Utf8(reader.GetError());
    EXPECT_EQ(second.m_nReserved0, bVertical);
    EXPECT_EQ(Utf8(second.m_strFname), bVertical ? "vertical" : "horizontal");
    ASSERT_TRUE(WriteSheetXml(&second, path.c_str()));
    EXPECT_EQ(Bytes(bVertical ? "vertical.qvp" : "horizontal.qvp"), written) << bVertical;
  }
}

TEST_F(SheetReaderTest, FieldSequenceTakesOneToFourOnly) {
  const std::pair<const char16_t*, int> rows[] = {{u"2", 2}, {u"4", 4}, {u"5", 0}, {u"02", 0}, {u"", 0}};
  for (auto [value, expected] : rows) {
    CEditPrint root;
    std::u16string xml = Replaced(Template(IDR_XML_NEW_HORIZONTAL), u"<print>",
                                  u"<print field-sequence=\"" + std::u16string(value) + u"\">");
    ASSERT_TRUE(CSheetReader().LoadXmlString(&root, xml.c_str()));
    EXPECT_EQ(root.m_nFieldSequence, expected) << QString::fromUtf16(value).toStdString();
  }
}

TEST_F(SheetReaderTest, SearchTextsLoseTheirBlanks) {
  struct ROW {
    const char16_t* element;
    const char* progId;
    BOOL bHasSearchInfo;
  } rows[] = {
      {u"<SearchProgID>Find.App 2\r\n</SearchProgID>", "Find.App2", TRUE},
      // The DOM drops text of blanks only, so such an id counts as none.
      {u"<SearchProgID> \r\n </SearchProgID>", "", FALSE},
      {u"", "", FALSE},
  };
  for (const ROW& row : rows) {
    CEditPrint root;
    CSheetReader reader;
    std::u16string xml = Replaced(Template(IDR_XML_NEW_HORIZONTAL), u"<SearchProgID></SearchProgID>", row.element);
    xml = Replaced(xml, u"<SearchInfo></SearchInfo>", u"<SearchInfo> a b\nc </SearchInfo>");
    ASSERT_TRUE(reader.LoadXmlString(&root, xml.c_str()));
    EXPECT_EQ(Utf8(root.m_strSearchProgID), row.progId);
    EXPECT_EQ(Utf8(root.m_strSearchInfo), "abc");
    EXPECT_EQ(reader.HasSearchInfo(), row.bHasSearchInfo) << row.progId;
  }
}

TEST_F(SheetReaderTest, TheSecondIdFormWins) {
  std::u16string xml = Replaced(Template(IDR_XML_NEW_HORIZONTAL), u"<MondaiID></MondaiID>",
                                u"<MondaiID>1234567800001,1,</MondaiID><MondaiID2>1,0,0,0,0,0,77,88,0,</MondaiID2>");
  ASSERT_TRUE(Read(xml)) << Utf8(m_reader.GetError());
  EXPECT_EQ(m_root.m_nMondaiIdForm, 2);
  ASSERT_EQ(m_root.m_listMondaiInfo.size(), 1u);
  EXPECT_EQ(m_root.m_listMondaiInfo[0]->m_nId, 77);
  EXPECT_EQ(m_root.m_listMondaiInfo[0]->m_nKind, 2);
}

TEST_F(SheetReaderTest, AStylesheetWithoutFlowCallsItsFirstTemplate) {
  std::u16string xml = Template(IDR_XML_NEW_HORIZONTAL);
  xml = Replaced(xml, u"<fo:flow flow-name=\"xsl-region-body\">", u"<fo:block>");
  xml = Replaced(xml, u"</fo:flow>", u"</fo:block>");
  // Its parts no longer pair with a template call, so the read fails after the body template.
  EXPECT_FALSE(Read(xml));
  ASSERT_TRUE(m_root.m_pBodyFlow);
  ASSERT_EQ(m_root.m_pBodyFlow->GetChildCount(), 1);
  EXPECT_TRUE(dynamic_cast<CXslApplyTemplates*>(m_root.m_pBodyFlow->GetChildAt(0)));
}

TEST_F(SheetReaderTest, AFragmentGoesIntoThePageSetAsTheFirstQuestion) {
  const std::u16string xml =
      u"<print><dmon><mon><dai><sp>x</sp></dai></mon></dmon>"
      u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
      u"xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><xsl:template match=\"/\">"
      u"<fo:block-container><fo:block><fo:inline>本文</fo:inline>"
      u"</fo:block></fo:block-container></xsl:template></xsl:stylesheet></print>";
  ASSERT_TRUE(Read(xml)) << Utf8(m_reader.GetError());
  EXPECT_EQ(Selects(m_root), std::vector<std::string>{"/print/dmon[1]/mon/dai"});
  CEditSentence* part = m_root.FindMajorPart(1, 1);
  ASSERT_TRUE(part);
  CStringW text;
  part->GetText(text);
  EXPECT_NE(text.str().find(u"本文"), std::u16string::npos);
}

TEST_F(SheetReaderTest, OnlyTheFirstPageMasterSetsTheDirection) {
  std::u16string xml = Template(IDR_XML_NEW_HORIZONTAL);
  xml = Replaced(xml, u"master-name=\"HeaderBodyPage\"", u"master-name=\"HeaderBodyPage\" writing-mode=\"tb-rl\"");
  ASSERT_TRUE(Read(xml));
  EXPECT_EQ(m_root.m_nReserved0, 0);
  EXPECT_EQ(g_bVerticalWriting, 0);
}

// The points of a part are written from its points node and read back into the part and one
// points node, which the reader then refreshes from the part: a minor question that does not
// show a total loses its show flag.
TEST_F(SheetReaderTest, AnExistingPointsNodeIsRefreshedNotDoubled) {
  struct ROW {
    const char* name;
    int nMinor;
    int nForm;
    int nEach;
    int nTotal;
    int bVisibleAfter;
  };
  const ROW rows[] = {
      {"per question only", 0, HAITEN_INFO::FormEachCount, 7, 0, 1},
      {"total only", 0, HAITEN_INFO::FormSum, 0, 12, 1},
      {"minor question with both", 1, HAITEN_INFO::FormEachSum, 3, 9, 0},
      {"minor question with a total only", 1, HAITEN_INFO::FormSum, 0, 12, 1},
  };
  for (const ROW& row : rows) {
    CEditPrint first;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&first, FALSE));
    CEditSentence* part = row.nMinor ? AppendMinorQuestion(first) : first.FindMajorPart(1, 1);
    auto* node = dynamic_cast<CEditHaiten*>(part->FindDescendant(NTYPE_EDITHAITEN));
    ASSERT_TRUE(node) << row.name;
    part->m_haiten.m_nForm = row.nForm;
    part->m_haiten.m_nEach = row.nEach;
    part->m_haiten.m_nTotal = row.nTotal;
    part->m_haiten.m_bVisible = 1;
    node->m_haiten = part->m_haiten;
    ASSERT_TRUE(WriteSheetXml(&first, Path("points.qvp").c_str()));

    CEditPrint second;
    ASSERT_TRUE(CSheetReader().LoadXmlFile(&second, Path("points.qvp").c_str())) << row.name;
    CEditSentence* read = row.nMinor ? second.FindMinorPart(1, row.nMinor, 1) : second.FindMajorPart(1, 1);
    ASSERT_TRUE(read) << row.name;
    EXPECT_EQ(CountDescendants(*read, NTYPE_EDITHAITEN), 1) << row.name;
    auto* points = dynamic_cast<CEditHaiten*>(read->FindDescendant(NTYPE_EDITHAITEN));
    ASSERT_TRUE(points) << row.name;
    for (const HAITEN_INFO* info : {&read->m_haiten, &points->m_haiten}) {
      EXPECT_EQ(info->m_nForm, row.nForm) << row.name;
      EXPECT_EQ(info->m_nEach, row.nEach) << row.name;
      EXPECT_EQ(info->m_nTotal, row.nTotal) << row.name;
      EXPECT_EQ(info->m_bVisible, row.bVisibleAfter) << row.name;
    }
  }
}

// Size, the four margins (all different) and the columns come back as they were written;
// vertical sheets are written turned and turned back on reading.
TEST_F(SheetReaderTest, PageGeometrySurvivesARoundTrip) {
  struct ROW {
    const char* name;
    BOOL bVertical;
    LONG nColumns;
  };
  const ROW rows[] = {
      {"horizontal", FALSE, 1}, {"vertical", TRUE, 1},         {"two columns", FALSE, 2},
      {"vertical, two columns", TRUE, 2}, {"three columns", FALSE, 3},
  };
  const SIZE size{21000, 29700};
  const RECT margins{1000, 2000, 3000, 4000};
  for (const ROW& row : rows) {
    CEditPrint first;
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&first, row.bVertical));
    first.SetPageSize(&size);
    first.SetMargins(&margins);
    first.m_page.m_nColumnCount = row.nColumns;
    ASSERT_TRUE(WriteSheetXml(&first, Path("page.qvp").c_str())) << row.name;

    CEditPrint second;
    CSheetReader reader;
    ASSERT_TRUE(reader.LoadXmlFile(&second, Path("page.qvp").c_str())) << row.name << ": " << Utf8(reader.GetError());
    EXPECT_EQ(second.m_nReserved0, row.bVertical) << row.name;
    SIZE readSize;
    second.GetPageSize(&readSize);
    EXPECT_EQ(readSize.cx, size.cx) << row.name;
    EXPECT_EQ(readSize.cy, size.cy) << row.name;
    RECT readMargins;
    second.GetMargins(&readMargins);
    EXPECT_EQ(readMargins.left, margins.left) << row.name;
    EXPECT_EQ(readMargins.top, margins.top) << row.name;
    EXPECT_EQ(readMargins.right, margins.right) << row.name;
    EXPECT_EQ(readMargins.bottom, margins.bottom) << row.name;
    EXPECT_EQ(second.m_page.m_nColumnCount, row.nColumns) << row.name;
  }
}

TEST_F(SheetReaderTest, FailuresReportTheirMessageAndKeepTheDirection) {
  struct ROW {
    const char* name;
    std::u16string xml;
    std::vector<std::string> prefixes;
  };
  const std::u16string base = Template(IDR_XML_NEW_HORIZONTAL);
  const ROW rows[] = {
      {"malformed", u"<print>\n  <dmon></print>", {"XML Parsing Error: Code=0x"}},
      {"no stylesheet", u"<print/>", {}},
      {"empty transform",
       u"<print><xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
       u"<xsl:template match=\"/\"/></xsl:stylesheet></print>",
       {"XSLTでのエラー", "XSLT Error: Code=0x"}},
      {"result does not parse",
       u"<print><xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
       u"<xsl:output method=\"text\"/><xsl:template match=\"/\">&lt;a&gt;&lt;b&gt;</xsl:template>"
       u"</xsl:stylesheet></print>",
       {"FO Parsing Error: Code=0x"}},
  };
  for (const ROW& row : rows) {
    g_bVerticalWriting = 1;
    CEditPrint root;
    CSheetReader reader;
    EXPECT_FALSE(reader.LoadXmlString(&root, row.xml.c_str())) << row.name;
    EXPECT_EQ(g_bVerticalWriting, 1) << row.name;
    EXPECT_FALSE(reader.GetError().IsEmpty()) << row.name;
    ASSERT_EQ(reader.GetMessages().size(), row.prefixes.size()) << row.name;
    for (size_t i = 0; i < row.prefixes.size(); ++i)
      EXPECT_EQ(Utf8(reader.GetMessages()[i]).rfind(row.prefixes[i], 0), 0u) << row.name << ": " << Utf8(reader.GetMessages()[i]);
  }
}

TEST_F(SheetReaderTest, AParseMessageNamesLineAndColumn) {
  EXPECT_FALSE(Read(u"<print>\n  <dmon></print>"));
  ASSERT_EQ(m_reader.GetMessages().size(), 1u);
  EXPECT_NE(Utf8(m_reader.GetMessages()[0]).find("Source=Line:2; Char:"), std::string::npos)
      << Utf8(m_reader.GetMessages()[0]);
}

// One reader used again: each read reports its own messages and warnings, none of an earlier one.
TEST_F(SheetReaderTest, AReusedReaderReportsOnlyItsLastRead) {
  CNoItems items;
  CSheetReader reader(&items);
  const std::u16string malformed = u"<print>\n  <dmon></print>";
  std::u16string withMissingObject =
      Replaced(Template(IDR_XML_NEW_HORIZONTAL), u"<xsl:value-of select=\"sp[1]\"/></fo:inline>",
               u"<xsl:value-of select=\"sp[1]\"/></fo:inline><fo:instream-foreign-object>"
               u"<object data=\"missing-01.bin\" width=\"20mm\" height=\"10mm\"/></fo:instream-foreign-object>");
  withMissingObject = Replaced(withMissingObject, u"<SearchProgID></SearchProgID>", u"<SearchProgID>prog</SearchProgID>");
  const std::string docPath = Path("sheet.qvp");

  EXPECT_FALSE(reader.LoadXmlString(&m_root, malformed.c_str()));
  EXPECT_EQ(reader.GetMessages().size(), 1u);

  CEditPrint second;
  ASSERT_TRUE(reader.LoadXmlString(&second, withMissingObject.c_str(), docPath.c_str())) << Utf8(reader.GetError());
  EXPECT_TRUE(reader.GetMessages().empty());
  EXPECT_TRUE(reader.GetError().IsEmpty());
  EXPECT_EQ(reader.GetWarnings().size(), 1u);
  EXPECT_TRUE(reader.HasSearchInfo());

  CEditPrint third;
  EXPECT_FALSE(reader.LoadXmlString(&third, malformed.c_str()));
  EXPECT_EQ(reader.GetMessages().size(), 1u);
  EXPECT_TRUE(reader.GetWarnings().empty());
  EXPECT_FALSE(reader.HasSearchInfo());

  CEditPrint fourth;
  ASSERT_TRUE(reader.LoadDefaultPrint(&fourth, FALSE));
  EXPECT_TRUE(reader.GetMessages().empty());
  EXPECT_TRUE(reader.GetWarnings().empty());
  EXPECT_TRUE(reader.GetError().IsEmpty());
}
