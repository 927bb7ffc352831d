#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <string>

#include "model/AttributeReader.h"
#include "model/MathMLDomWriter.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLScriptElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/NodeFactory.h"
#include "platform/AnsiCodePage.h"

namespace {

template <class N, class... Args>
N* Add(CQVXMLNode& parent, Args... args) {
  N* child = new N(args...);
  parent.AppendChild(child);
  return child;
}

CMathMLToken* AddToken(CQVXMLNode& parent, DWORD code, const char16_t* text) {
  CMathMLToken* token = Add<CMathMLToken>(parent, code);
  token->SetText(CStringW(text));
  return token;
}

class MathMLDomWriter : public ::testing::Test {
 protected:
  // Writes the island under a "math" element and returns the saved document.
  std::string Write(CMathMLMath& math, BOOL expected = TRUE) {
    CDomDocument doc;
    CDomNode element = doc.appendChild(doc.createElement(u"math"));
    EXPECT_EQ(WriteDomAttributes(&math, DOM_TARGET{doc, element}), expected);
    m_element = element;
    QString path = m_dir.filePath("island.xml");
    doc.save(path.toStdU16String());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::string bytes = file.readAll().toStdString();
    if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
    return bytes;
  }

  QTemporaryDir m_dir;
  CDomNode m_element;
  CMathMLMath m_math;
};

// The numbering group's defaults give "ＭＳ Ｐ明朝" at 5 points.
const std::string kDefaultNumberFace = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE6\x98\x8E\xE6\x9C\x9D";

}  // namespace

TEST_F(MathMLDomWriter, TokenWithTheClassDefaults) {
  AddToken(m_math, XE_MI, u"x");
  EXPECT_EQ(Write(m_math), "<math><mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">x</mi></math>");
}

TEST_F(MathMLDomWriter, TokenAttributesInTheirOrder) {
  auto* mo = Add<CMathMLOperator>(m_math);
  mo->SetText(CStringW(u"+"));
  mo->m_fontProps.m_nFontWeight = FW_BOLD;
  mo->m_fontProps.m_nFontItalic = 1;
  mo->m_colorProps.m_crColor = RGB(255, 0, 0);
  mo->m_nStretchy = 1;
  auto* mn = AddToken(m_math, XE_MN, u"2");
  mn->m_fontProps.m_nFontSize = -423;
  mn->m_fontProps.m_nFontItalic = 1;
  mn->m_borderProps.m_crBackground = RGB(255, 128, 0);
  mn->m_charProps.m_nUnderlineStyle = LS_SOLID;
  mn->m_charProps.m_nUnderlineWidth = 3;
  auto* mtext = AddToken(m_math, XE_MTEXT, u"t");
  mtext->m_fontProps.m_nFontWeight = FW_BOLD;
  mtext->m_charProps.m_nUnderlineStyle = LS_WAVE;
  mtext->m_charProps.m_nUnderlineWidth = 3;
  EXPECT_EQ(Write(m_math),
            "<math>"
            "<mo mathfamily=\"Times New Roman\" mathsize=\"10.5pt\" mathvariant=\"bold-italic\" mathcolor=\"Red\" "
            "stretchy=\"true\">+</mo>"
            "<mn mathfamily=\"Times New Roman\" mathsize=\"12pt\" mathvariant=\"italic\" mathbackground=\"#ff8000\" "
            "mathunderlinestyle=\"solid\" mathunderlinewidth=\"thick\">2</mn>"
            "<mtext mathfamily=\"Times New Roman\" mathsize=\"10.5pt\" mathvariant=\"bold\" "
            "mathunderlinestyle=\"wave\">t</mtext>"
            "</math>");
}

TEST_F(MathMLDomWriter, BlanksMarkupAndAmpersands) {
  CMathMLToken* blank = AddToken(m_math, XE_MTEXT, u" ");
  blank->m_bSpaceOnly = 1;
  AddToken(m_math, XE_MO, u"<");
  AddToken(m_math, XE_MI, u"a&b");
  EXPECT_EQ(Write(m_math),
            "<math>"
            "<mtext xml:space=\"preserve\" mathfamily=\"Times New Roman\" mathsize=\"10.5pt\"> </mtext>"
            "<mo mathfamily=\"Times New Roman\" mathsize=\"10.5pt\"><![CDATA[<]]></mo>"
            "<mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">a&amp;b</mi>"
            "</math>");
}

TEST_F(MathMLDomWriter, ElementAttributesWithoutStyles) {
  m_math.m_nContext = 2;
  auto* row = Add<CMathMLRow>(m_math, XE_MROW);
  row->m_nContext = 2;
  auto* sub = Add<CMathMLScript>(*row, XE_MSUB);
  sub->m_colorProps.m_crColor = RGB(255, 0, 0);
  sub->m_fontProps.m_nFontWeight = FW_BOLD;
  Add<CMathMLFrac>(*row)->m_bBevelled = 1;
  auto* fenced = Add<CMathMLFenced>(*row);
  fenced->m_strOpen.Empty();
  fenced->m_strClose = u"]";
  EXPECT_EQ(Write(m_math),
            "<math qvtype=\"cyukai\"><mrow qvtype=\"cyukai\">"
            "<msub/><mfrac bevelled=\"true\"/><mfenced open=\"\" close=\"]\"/>"
            "</mrow></math>");
}

TEST_F(MathMLDomWriter, TableFrameAndColumnAlignment) {
  const std::pair<LONG, const char*> aligns[] = {
      {1, "<mtable/>"},
      {0, "<mtable columnalign=\"left\"/>"},
      {2, "<mtable columnalign=\"right\"/>"},
      {3, "<mtable columnalign=\"center\"/>"},
  };
  for (const auto& [align, expected] : aligns) {
    CMathMLMath math;
    Add<CMathMLTable>(math)->m_lineProps.m_nTextAlign = align;
    EXPECT_EQ(Write(math), "<math>" + std::string(expected) + "</math>");
  }
  CMathMLMath framed;
  auto* table = Add<CMathMLTable>(framed);
  table->m_borderProps.m_nBorderStyle = LS_SOLID;
  Add<CMathMLTd>(*Add<CMathMLTr>(*table));
  EXPECT_EQ(Write(framed), "<math><mtable frame=\"solid\"><mtr><mtd/></mtr></mtable></math>");
}

TEST_F(MathMLDomWriter, SideLineWithItsRunningNumber) {
  auto sideLine = [](CMathMLNode& node) {
    node.m_borderProps.m_nBorderAfterStyle = LS_WAVE;
    node.m_borderProps.m_nBorderAfterWidth = 3;
    node.m_kasenProps.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberString;
    node.m_kasenProps.m_strKasenString = u"(ア)";
  };
  sideLine(*Add<CMathMLRow>(m_math, XE_MROW));
  sideLine(*AddToken(m_math, XE_MI, u"y"));
  const std::string bango = " bango-type=\"string\" bango-string=\"(\xE3\x82\xA2)\" bango-font-family=\"" +
                            kDefaultNumberFace + "\" bango-font-size=\"5pt\"";
  EXPECT_EQ(Write(m_math), "<math>"
                           "<mrow border-after-style=\"wave\" border-after-width=\"thick\"" + bango + "/>"
                           "<mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\"" + bango + ">y</mi>"
                           "</math>");
}

TEST_F(MathMLDomWriter, NumberSizesAndForcedNumbers) {
  const std::pair<LONG, const char*> sizes[] = {{176, "5pt"}, {367, "10.5pt"}, {375, "11pt"}};
  for (const auto& [size, text] : sizes) {
    CMathMLMath math;
    auto* row = Add<CMathMLRow>(math, XE_MROW);
    row->m_borderProps.m_nBorderAfterStyle = LS_SOLID;
    row->m_kasenProps.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberCircled;
    row->m_kasenProps.m_kasen.nForcedNumber = 3;
    row->m_kasenProps.m_kasen.nNumberSize = size;
    std::memset(row->m_kasenProps.m_kasen.szNumberFace, 0, LF_FACESIZE);
    EXPECT_EQ(Write(math), "<math><mrow border-after-style=\"solid\" bango-type=\"maru\" bango-force=\"3\" "
                           "bango-font-size=\"" + std::string(text) + "\"/></math>");
  }
}

TEST_F(MathMLDomWriter, AFailingChildIsLeftOutAndTheRestWritten) {
  AddToken(m_math, XE_MI, u"a");
  Add<CMathMLNode>(m_math, 0x202);  // a code without an element name
  AddToken(m_math, XE_MI, u"b\x01");  // text that XML cannot hold
  m_math.m_arrChildren.push_back(nullptr);
  auto* row = Add<CMathMLRow>(m_math, XE_MROW);
  AddToken(*row, XE_MN, u"1");
  EXPECT_EQ(Write(m_math, FALSE),
            "<math>"
            "<mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">a</mi>"
            "<mi mathfamily=\"Times New Roman\" mathsize=\"10.5pt\"/>"
            "<mrow><mn mathfamily=\"Times New Roman\" mathsize=\"10.5pt\">1</mn></mrow>"
            "</math>");
}

TEST_F(MathMLDomWriter, RefusesWhatIsNoMathMLNodeOrHasNoElement) {
  CDomDocument doc;
  CQVXMLNode plain(XE_MROW);
  EXPECT_FALSE(WriteDomAttributes(&plain, DOM_TARGET{doc, doc.createElement(u"mrow")}));
  EXPECT_FALSE(WriteDomAttributes(nullptr, DOM_TARGET{doc, doc.createElement(u"mrow")}));
  EXPECT_FALSE(WriteDomAttributes(&m_math, DOM_TARGET{doc, CDomNode()}));
}

TEST_F(MathMLDomWriter, WhatIsWrittenReadsBack) {
  auto* mo = Add<CMathMLOperator>(m_math);
  mo->SetText(CStringW(u"∑"));
  mo->m_fontProps.SetFontFamily(WideToAnsi(u"ＭＳ 明朝").c_str());
  mo->m_fontProps.m_nFontSize = 423;
  mo->m_fontProps.m_nFontWeight = FW_BOLD;
  mo->m_colorProps.m_crColor = RGB(0, 0, 128);
  mo->m_borderProps.m_crBackground = RGB(1, 2, 3);
  mo->m_charProps.m_nUnderlineStyle = LS_SOLID;
  mo->m_charProps.m_nUnderlineWidth = 3;
  mo->m_nStretchy = 1;
  mo->m_kasenProps.m_kasen.nNumberStyle = CKasenRenbanProperties::NumberAlphaCap;
  mo->m_kasenProps.m_kasen.nForcedNumber = 7;
  Write(m_math);

  CDomNode element = m_element.childNodes().item(0);
  std::unique_ptr<CQVXMLNode> read(CreateNode(XE_MO));
  CDomNamedNodeMap attributes = element.attributes();
  for (LONG i = 0; i < attributes.length(); ++i)
    SetAttribute(read.get(), CStringW(attributes.item(i).nodeName()), CStringW(attributes.item(i).nodeValue()));
  auto& back = static_cast<CMathMLOperator&>(*read);
  EXPECT_EQ(std::string(back.m_fontProps.m_szFontFamily), std::string(mo->m_fontProps.m_szFontFamily));
  EXPECT_EQ(back.m_fontProps.m_nFontSize, 423);
  EXPECT_EQ(back.m_fontProps.m_nFontWeight, FW_BOLD);
  EXPECT_EQ(back.m_fontProps.m_nFontItalic, 0);
  EXPECT_EQ(back.m_colorProps.m_crColor, mo->m_colorProps.m_crColor);
  EXPECT_EQ(back.m_borderProps.m_crBackground, mo->m_borderProps.m_crBackground);
  EXPECT_EQ(back.m_charProps.m_nUnderlineStyle, LS_SOLID);
  EXPECT_EQ(back.m_charProps.m_nUnderlineWidth, 3);
  EXPECT_EQ(back.m_nStretchy, 1);
  EXPECT_EQ(back.m_kasenProps.m_kasen.nNumberStyle, CKasenRenbanProperties::NumberAlphaCap);
  EXPECT_EQ(back.m_kasenProps.m_kasen.nForcedNumber, 7);
  EXPECT_EQ(std::string(back.m_kasenProps.m_kasen.szNumberFace), std::string(mo->m_kasenProps.m_kasen.szNumberFace));
  EXPECT_EQ(back.m_kasenProps.m_kasen.nNumberSize, 176);
  EXPECT_EQ(element.text(), u"∑");
}
