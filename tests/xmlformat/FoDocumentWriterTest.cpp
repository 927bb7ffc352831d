#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "elements/EditGai.h"
#include "tests/support/TestPaths.h"
#include "elements/EditKaiPage.h"
#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "model/EditSentence.h"
#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/FoDocumentWriter.h"

namespace {

// A sheet built in code, with one FO block container per top-level part holding one run.
class SheetBuilder {
 public:
  SheetBuilder() { m_print.m_pBodyFlow = std::make_unique<CFoFlow>(); }

  CEditSentence* Part(int major, int minor, int kind) {
    auto* part = new CEditSentence();
    part->m_nMajor = major;
    part->m_nMinor = minor;
    part->m_nKind = kind;
    return Append(part, BK_NONE);
  }
  void Question(int major, int minor) {
    for (int kind = 1; kind <= 4; ++kind) Part(major, minor, kind);
  }
  void TextBox() { Append(new CEditGai(), BK_GAI); }
  void PageBreak() { Append(new CEditKaiPage(), BK_KAIPAGE); }
  void NameFieldOn(std::initializer_list<int> pages) {
    for (int page : pages) {
      m_print.SetNameFieldPage(page, 1);
      m_print.m_nodePageKimeiran.AppendChild(new CEditKimeiran());
    }
  }

  CEditPrint m_print;
  CFoFlow m_body;
  CFoBlockContainer m_nameField;

 private:
  template <class N>
  N* Append(N* part, int nBlockKind) {
    m_print.AppendChild(part);
    auto* container = new CFoBlockContainer();
    container->m_nBlockKind = nBlockKind;
    auto* run = new CFoInline();
    run->SetText(CStringW(u"text"));
    auto* line = new CFoBlock();
    line->AppendChild(run);
    container->AppendChild(line);
    m_body.AppendChild(container);
    return part;
  }
};

// One check on the saved file: the nodes an expression selects, and the text of each.
struct XPATH_CHECK {
  const char16_t* expression;
  LONG count;
  const char16_t* text = nullptr;  // null: only the count
};

class FoDocumentWriterTest : public ::testing::Test {
 protected:
  std::u16string Target() const { return m_dir.filePath("sheet.qvp").toStdU16String(); }

  int Write() {
    return WriteFoDocument(&m_sheet.m_print, &m_sheet.m_body, CStringW(Target()), &m_sheet.m_nameField);
  }

  CDomDocument Saved() {
    CDomDocument doc;
    EXPECT_TRUE(doc.load(Target()));
    doc.setProperty(u"SelectionNamespaces",
                    u"xmlns:xsl='http://www.w3.org/1999/XSL/Transform' xmlns:fo='http://www.w3.org/1999/XSL/Format'");
    return doc;
  }

  void Check(const std::vector<XPATH_CHECK>& checks) {
    CDomDocument doc = Saved();
    for (const XPATH_CHECK& check : checks) {
      CDomNodeList nodes = doc.selectNodes(check.expression);
      std::string expression = QString::fromUtf16(check.expression).toStdString();
      EXPECT_EQ(nodes.length(), check.count) << expression;
      for (LONG i = 0; check.text && i < nodes.length(); ++i)
        EXPECT_EQ(CStringW(nodes.item(i).text()), CStringW(check.text)) << expression;
    }
  }

  QByteArray TargetBytes() const {
    QFile file(QString::fromStdU16String(Target()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir m_dir;
  SheetBuilder m_sheet;
};

struct SHEET_ROW {
  const char* name;
  std::function<void(SheetBuilder&)> build;
  std::vector<XPATH_CHECK> checks;
};

void PrintTo(const SHEET_ROW& row, std::ostream* os) { *os << row.name; }

const SHEET_ROW kSheetRows[] = {
    {"NoNameField", [](SheetBuilder& s) { s.Part(1, 0, 1); },
     {{u"/print/kim", 0},
      {u"//fo:static-content[@flow-name='kimei-region']/node()", 0},
      {u"//xsl:template[@match='/print/kim']", 0},
      {u"//fo:single-page-master-reference/@master-reference", 1, u"BodyPage"},
      {u"/print/dmon/mon/dai/sp", 1, u"text"}}},
    {"NameFieldOnPagesOneAndThree",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.m_print.m_nPageCount = 3;
       s.NameFieldOn({1, 3});
       s.m_nameField.m_nBlockKind = BK_KIM;
       auto* line = new CFoBlock();
       auto* run = new CFoInline();
       run->SetText(CStringW(u"氏名"));
       line->AppendChild(run);
       s.m_nameField.AppendChild(line);
     },
     {{u"//fo:single-page-master-reference[1]/@master-reference", 1, u"KimeiBodyPage"},
      {u"//fo:single-page-master-reference[2]/@master-reference", 1, u"BodyPage"},
      {u"//fo:single-page-master-reference[3]/@master-reference", 1, u"KimeiBodyPage"},
      {u"/print/kim[following-sibling::*[1][self::dmon]]/sp", 1, u"氏名"},
      {u"//fo:static-content[@flow-name='kimei-region']/xsl:apply-templates/@select", 1, u"/print/kim"},
      {u"/print/xsl:stylesheet/xsl:template[2][@match='/print/kim']/fo:block-container/fo:block/fo:inline/"
       u"xsl:value-of/@select",
       1, u"sp[1]"}}},
    {"OneColumn", [](SheetBuilder& s) { s.Part(1, 0, 1); }, {{u"//fo:region-body/@column-count", 6, u"1"}}},
    {"ThreeColumns",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.m_print.m_page.m_nColumnCount = 3;
     },
     {{u"//fo:region-body/@column-count", 6, u"3"}}},
    {"FieldSequenceZero", [](SheetBuilder& s) { s.Part(1, 0, 1); }, {{u"/print/@field-sequence", 0}}},
    {"FieldSequenceTwo",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.m_print.m_nFieldSequence = 2;
     },
     {{u"/print/@field-sequence", 1, u"2"}}},
    {"MajorsWithNoneAndTwoMinors",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.Part(2, 0, 1);
       s.Part(2, 1, 1);
       s.Part(2, 2, 1);
     },
     {{u"/print/dmon", 2},
      {u"/print/dmon[1]/*", 1},
      {u"/print/dmon[1]/mon/*", 4},
      {u"/print/dmon[1]/mon/ran/node()", 0},
      {u"/print/dmon[2]/smon", 2},
      {u"/print/dmon[2]/smon[2]/*", 4},
      {u"/print/dmon[2]/smon[2]/dai/sp", 1, u"text"},
      {u"//fo:flow/xsl:apply-templates[4]/@select", 1, u"/print/dmon[2]/smon[2]/dai"}}},
    {"TextBoxBetweenMajors",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.TextBox();
       s.Part(2, 0, 1);
     },
     {{u"/print/dmon[1]/following-sibling::*[1][self::gai]/sp", 1, u"text"},
      {u"/print/gai/following-sibling::*[1][self::dmon]", 1},
      {u"//fo:flow/xsl:apply-templates[2]/@select", 1, u"/print/gai[1]"},
      {u"//xsl:template[@match='/print/gai[1]']/fo:block-container/@id", 1, u"gai0011"}}},
    {"TwoPageBreaks",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.PageBreak();
       s.Part(2, 0, 1);
       s.PageBreak();
     },
     {{u"//fo:flow/fo:block-container[1]/@id", 1, u"kaipage0011"},
      {u"//fo:flow/fo:block-container[2]/@id", 1, u"kaipage0012"},
      {u"//fo:flow/fo:block-container/@break-after", 2, u"page"},
      {u"//fo:flow/*", 4},
      {u"//xsl:template", 3},
      {u"//xsl:template[@match='/print/dmon[2]/mon/dai']", 1}}},
    {"MarginsInWholeMillimetres",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       RECT margins{1050, 1099, 0, -150};
       s.m_print.SetMargins(&margins);
     },
     {{u"//fo:simple-page-master/@margin-left", 6, u"10mm"},
      {u"//fo:simple-page-master/@margin-top", 6, u"10mm"},
      {u"//fo:simple-page-master/@margin-right", 6, u"0mm"},
      {u"//fo:simple-page-master/@margin-bottom", 6, u"-1mm"},
      {u"//fo:simple-page-master/@writing-mode", 0}}},
    {"VerticalPageIsTurned",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.m_print.m_nReserved0 = 1;
       SIZE size{21000, 29700};
       RECT margins{1000, 2000, 3000, 4000};
       s.m_print.SetPageSize(&size);
       s.m_print.SetMargins(&margins);
     },
     {{u"//fo:simple-page-master/@writing-mode", 6, u"tb-rl"},
      {u"//fo:simple-page-master/@page-width", 6, u"297mm"},
      {u"//fo:simple-page-master/@page-height", 6, u"210mm"},
      {u"//fo:simple-page-master/@margin-left", 6, u"20mm"},
      {u"//fo:simple-page-master/@margin-top", 6, u"30mm"},
      {u"//fo:simple-page-master/@margin-right", 6, u"40mm"},
      {u"//fo:simple-page-master/@margin-bottom", 6, u"10mm"}}},
    {"EmptyQuestionListIsFilledWithProvisionalIds",
     [](SheetBuilder& s) {
       s.m_print.m_strSearchProgID = u"prog";
       s.m_print.m_strSearchInfo = u"a & b";
       s.Part(1, 0, 1);
       s.Part(1, 1, 1);
     },
     {{u"/print/SearchProgID", 1, u"prog"},
      {u"/print/SearchInfo", 1, u"a & b"},
      {u"/print/MondaiID", 1, u"9998000100000,0,9998000120001,0,"},
      {u"/print/MondaiID2", 1, u"999,0,0,0,0,0,99980001,0,0,999,0,0,0,0,0,99980001,20001,0,"}}},
    {"IdsRestartInEveryTemplate",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.TextBox();
       s.TextBox();
     },
     {{u"//xsl:template/fo:block-container/@id", 2, u"gai0011"},
      {u"//xsl:template/fo:block-container/fo:block/fo:inline/xsl:value-of/@select", 3, u"sp[1]"}}},
};

class SheetRows : public FoDocumentWriterTest, public ::testing::WithParamInterface<SHEET_ROW> {};

TEST_P(SheetRows, SavedFileHolds) {
  GetParam().build(m_sheet);
  ASSERT_EQ(Write(), 1);
  Check(GetParam().checks);
}

INSTANTIATE_TEST_SUITE_P(Rows, SheetRows, ::testing::ValuesIn(kSheetRows),
                         [](const auto& info) { return std::string(info.param.name); });

// One major with two minors, all four parts each: twelve templates in the flow's order.
TEST_F(FoDocumentWriterTest, TwelveTemplatesInFlowOrder) {
  for (int minor = 0; minor <= 2; ++minor) m_sheet.Question(1, minor);
  ASSERT_EQ(Write(), 1);
  CDomDocument doc = Saved();
  CDomNodeList calls = doc.selectNodes(u"//fo:flow/xsl:apply-templates/@select");
  CDomNodeList templates = doc.selectNodes(u"/print/xsl:stylesheet/xsl:template[position() > 1]/@match");
  ASSERT_EQ(calls.length(), 12);
  ASSERT_EQ(templates.length(), 12);
  for (LONG i = 0; i < 12; ++i) EXPECT_EQ(templates.item(i).nodeValue(), calls.item(i).nodeValue());
  EXPECT_EQ(calls.item(5).nodeValue(), u"/print/dmon[1]/smon[1]/ran");
  EXPECT_EQ(doc.selectNodes(u"/print/dmon/smon").length(), 2);
  EXPECT_EQ(doc.selectNodes(u"/print/dmon/*/*/sp").length(), 12);
  QFile::remove(QString::fromStdString(BuildPath("sample-sheet.qvp")));
  QFile::copy(QString::fromStdU16String(Target()), QString::fromStdString(BuildPath("sample-sheet.qvp")));
}

struct FAILING_ROW {
  const char* name;
  std::function<void(SheetBuilder&)> build;
};

void PrintTo(const FAILING_ROW& row, std::ostream* os) { *os << row.name; }

const FAILING_ROW kFailingRows[] = {
    {"NoMajorQuestion", [](SheetBuilder& s) { s.TextBox(); }},
    {"WriterFailure",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.m_body.GetChildAt(0)->GetFirstChild()->GetFirstChild()->SetText(CStringW(u"\u0001"));
     }},
    {"FewerFoPartsThanParts",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.Part(1, 0, 2);
       s.m_body.DeleteChildAt(1);
     }},
    {"MajorNumberOutsideTheCount",
     [](SheetBuilder& s) {
       s.Part(1, 0, 1);
       s.Part(1, 0, 1)->m_nMajor = 7;
     }},
    {"PartOfAnotherKind", [](SheetBuilder& s) { s.Part(1, 0, 1)->m_nKind = 9; }},
};

class FailingRows : public FoDocumentWriterTest, public ::testing::WithParamInterface<FAILING_ROW> {};

// A failed write gives 0 and leaves an existing target byte for byte.
TEST_P(FailingRows, LeaveTheTargetAsItWas) {
  QFile old(QString::fromStdU16String(Target()));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old sheet");
  old.close();
  GetParam().build(m_sheet);
  EXPECT_EQ(Write(), 0);
  EXPECT_EQ(TargetBytes(), QByteArray("old sheet"));
}

INSTANTIATE_TEST_SUITE_P(Rows, FailingRows, ::testing::ValuesIn(kFailingRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FoDocumentWriterTest, FailingSaveWritesNothing) {
  m_sheet.Part(1, 0, 1);
  std::u16string path = m_dir.filePath("missing/sheet.qvp").toStdU16String();
  EXPECT_EQ(WriteFoDocument(&m_sheet.m_print, &m_sheet.m_body, CStringW(path), &m_sheet.m_nameField), 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdU16String(path)));
}

// A name that leaves no room for the save's temporary file beside it: the save fails.
TEST_F(FoDocumentWriterTest, FailingSaveLeavesTheTargetAsItWas) {
  m_sheet.Part(1, 0, 1);
  QString path = m_dir.filePath(QString(250, QChar('s')));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old sheet");
  old.close();
  EXPECT_EQ(WriteFoDocument(&m_sheet.m_print, &m_sheet.m_body, CStringW(path.toStdU16String()), &m_sheet.m_nameField),
            0);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("old sheet"));
}

TEST_F(FoDocumentWriterTest, NoMajorQuestionWritesNoFile) {
  m_sheet.TextBox();
  EXPECT_EQ(Write(), 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdU16String(Target())));
}

}  // namespace
