#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/FoTableElements.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLScriptElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/MondaiElements.h"
#include "model/XslElements.h"

namespace {

using NodeMaker = std::function<CQVXMLNode*()>;

template <class T, DWORD... Code>
NodeMaker Make() {
  return [] { return new T(Code...); };
}

std::string Narrow(const char16_t* s) { return std::string(s, s + std::u16string(s).size()); }

struct ClassCase {
  NodeMaker make;
  const char16_t* name;
};

// Every element class of the object model, with the element it stands for.
const ClassCase kClasses[] = {
    {Make<CMondaiPrint>(), u"print"},
    {Make<CMondaiDmon>(), u"dmon"},
    {Make<CMondaiMon>(), u"mon"},
    {Make<CMondaiSmon>(), u"smon"},
    {Make<CMondaiDai>(), u"dai"},
    {Make<CMondaiKai>(), u"kai"},
    {Make<CMondaiRan>(), u"ran"},
    {Make<CMondaiSetsu>(), u"setsu"},
    {Make<CMondaiCyukai>(), u"cyukai"},
    {Make<CMondaiSp>(), u"sp"},
    {Make<CMondaiImg>(), u"img"},
    {Make<CMondaiObject>(), u"object"},
    {Make<CMondaiDno>(), u"dno"},
    {Make<CMondaiNo>(), u"no"},
    {Make<CMondaiGai>(), u"gai"},
    {Make<CMondaiKim>(), u"kim"},
    {Make<CMondaiHai>(), u"hai"},
    {Make<CXslStylesheet>(), u"xsl:stylesheet"},
    {Make<CXslTemplate>(), u"xsl:template"},
    {Make<CXslApplyTemplates>(), u"xsl:apply-templates"},
    {Make<CXslValueOf>(), u"xsl:value-of"},
    {Make<CXslCopyOf>(), u"xsl:copy-of"},
    {Make<CFoRoot>(), u"fo:root"},
    {Make<CFoLayoutMasterSet>(), u"fo:layout-master-set"},
    {Make<CFoSimplePageMaster>(), u"fo:simple-page-master"},
    {Make<CFoRegionBody>(), u"fo:region-body"},
    {Make<CFoRegionBefore>(), u"fo:region-before"},
    {Make<CFoRegionAfter>(), u"fo:region-after"},
    {Make<CFoPageSequenceMaster>(), u"fo:page-sequence-master"},
    {Make<CFoSinglePageMasterReference>(), u"fo:single-page-master-reference"},
    {Make<CFoPageSequence>(), u"fo:page-sequence"},
    {Make<CFoStaticContent>(), u"fo:static-content"},
    {Make<CFoFlow>(), u"fo:flow"},
    {Make<CFoBlockContainer>(), u"fo:block-container"},
    {Make<CFoBlock>(), u"fo:block"},
    {Make<CFoFloat>(), u"fo:float"},
    {Make<CFoInlineContainer>(), u"fo:inline-container"},
    {Make<CFoInline>(), u"fo:inline"},
    {Make<CFoInstreamForeignObject>(), u"fo:instream-foreign-object"},
    {Make<CFoExternalGraphic>(), u"fo:external-graphic"},
    {Make<CFoInitialPropertySet>(), u"fo:initial-property-set"},
    {Make<CFoTableAndCaption>(), u"fo:table-and-caption"},
    {Make<CFoTableCaption>(), u"fo:table-caption"},
    {Make<CFoTable>(), u"fo:table"},
    {Make<CFoTableHeader>(), u"fo:table-header"},
    {Make<CFoTableFooter>(), u"fo:table-footer"},
    {Make<CFoTableBody>(), u"fo:table-body"},
    {Make<CFoTableRow>(), u"fo:table-row"},
    {Make<CFoTableCell>(), u"fo:table-cell"},
    {Make<CMathMLMath>(), u"math"},
    {Make<CMathMLToken, XE_MI>(), u"mi"},
    {Make<CMathMLToken, XE_MN>(), u"mn"},
    {Make<CMathMLOperator>(), u"mo"},
    {Make<CMathMLStringToken>(), u"ms"},
    {Make<CMathMLToken, XE_MTEXT>(), u"mtext"},
    {Make<CMathMLRow, XE_MROW>(), u"mrow"},
    {Make<CMathMLFrac>(), u"mfrac"},
    {Make<CMathMLRadical, XE_MSQRT>(), u"msqrt"},
    {Make<CMathMLRadical, XE_MROOT>(), u"mroot"},
    {Make<CMathMLNode, XE_MSTYLE>(), u"mstyle"},
    {Make<CMathMLFenced>(), u"mfenced"},
    {Make<CMathMLEnclose>(), u"menclose"},
    {Make<CMathMLScript, XE_MSUB>(), u"msub"},
    {Make<CMathMLScript, XE_MSUP>(), u"msup"},
    {Make<CMathMLScript, XE_MSUBSUP>(), u"msubsup"},
    {Make<CMathMLUnderOver, XE_MUNDER>(), u"munder"},
    {Make<CMathMLUnderOver, XE_MOVER>(), u"mover"},
    {Make<CMathMLUnderOver, XE_MUNDEROVER>(), u"munderover"},
    {Make<CMathMLMultiscripts>(), u"mmultiscripts"},
    {Make<CMathMLPrescripts>(), u"mprescripts"},
    {Make<CMathMLNone>(), u"none"},
    {Make<CMathMLTable>(), u"mtable"},
    {Make<CMathMLTr>(), u"mtr"},
    {Make<CMathMLTd>(), u"mtd"},
};

// Counts its destructions, to see that a parent deletes its children.
class CCountedNode : public CQVXMLNode {
 public:
  explicit CCountedNode(int* pCount) : m_pCount(pCount) {}
  ~CCountedNode() override { ++*m_pCount; }

 private:
  int* m_pCount;
};

TEST(XmlElementClasses, EachClassCarriesTheCodeOfItsElementAndBlankNodeState) {
  for (const ClassCase& c : kClasses) {
    std::unique_ptr<CQVXMLNode> node(c.make());
    SCOPED_TRACE(Narrow(c.name));
    EXPECT_EQ(ElementNameFromCode(int(node->m_nType)).str(), c.name);
    EXPECT_EQ(node->m_pParent, nullptr);
    EXPECT_EQ(node->m_nReserved, 1);
    EXPECT_EQ(node->m_nBlockKind, 0);
    EXPECT_EQ(node->m_nContext, 0);
    EXPECT_TRUE(node->m_strText.IsEmpty());
    EXPECT_EQ(node->GetChildCount(), 0);
  }
}

TEST(XmlElementClasses, DeletingThroughTheNodeBaseDeletesTheChildren) {
  for (const ClassCase& c : kClasses) {
    SCOPED_TRACE(Narrow(c.name));
    int destroyed = 0;
    CQVXMLNode* node = c.make();
    node->AppendChild(new CCountedNode(&destroyed));
    CQVXMLNode* inner = c.make();
    inner->AppendChild(new CCountedNode(&destroyed));
    node->AppendChild(inner);
    delete node;
    EXPECT_EQ(destroyed, 2);
  }
}

void ExpectHaitenEq(const HAITEN_INFO& a, const HAITEN_INFO& b) {
  EXPECT_EQ(a.m_nForm, b.m_nForm);
  EXPECT_EQ(a.m_nSpare, b.m_nSpare);
  EXPECT_EQ(a.m_nEach, b.m_nEach);
  EXPECT_EQ(a.m_nCount, b.m_nCount);
  EXPECT_EQ(a.m_nTotal, b.m_nTotal);
  EXPECT_EQ(a.m_bVisible, b.m_bVisible);
  EXPECT_EQ(a.m_strFence.str(), b.m_strFence.str());
}

TEST(HaitenInfo, FreshRecordIsFormOneHiddenInParentheses) {
  HAITEN_INFO info;
  EXPECT_EQ(info.m_nForm, 1);
  EXPECT_EQ(info.m_nSpare, 0);
  EXPECT_EQ(info.m_nEach, 0);
  EXPECT_EQ(info.m_nCount, 0);
  EXPECT_EQ(info.m_nTotal, 0);
  EXPECT_EQ(info.m_bVisible, 0);
  EXPECT_EQ(info.m_strFence.str(), u"（");
}

TEST(HaitenInfo, CopyAndResetRoundTrip) {
  HAITEN_INFO edited;
  edited.m_nForm = 2;
  edited.m_nSpare = 9;
  edited.m_nEach = 5;
  edited.m_nCount = 3;
  edited.m_nTotal = 15;
  edited.m_bVisible = 1;
  edited.m_strFence = u"［";

  HAITEN_INFO copy;
  copy = edited;
  ExpectHaitenEq(copy, edited);
  edited.m_strFence = u"（";  // the copy owns its own string
  EXPECT_EQ(copy.m_strFence.str(), u"［");

  HAITEN_INFO back(copy);
  ExpectHaitenEq(back, copy);
  back.Reset();
  ExpectHaitenEq(back, HAITEN_INFO());
}

TEST(MondaiElements, MembersStartAtTheirInitialValues) {
  CMondaiImg img;
  EXPECT_TRUE(img.m_strSource.empty());
  EXPECT_EQ(img.m_anReserved[0], 0);
  EXPECT_EQ(img.m_anReserved[1], 0);
  EXPECT_EQ(CMondaiDno().m_nNumberFormat, -1);
  EXPECT_EQ(CMondaiNo().m_nNumberFormat, -1);
  ExpectHaitenEq(CMondaiHai().m_haiten, HAITEN_INFO());
  CMondaiObject object;
  EXPECT_TRUE(object.m_strData.empty());
  EXPECT_EQ(object.m_nWidth, 0);
  EXPECT_EQ(object.m_nHeight, 0);
  EXPECT_EQ(dynamic_cast<CMondaiNode*>(static_cast<CQVXMLNode*>(&object)), nullptr);
}

TEST(XslElements, ApplyTemplatesDescribesASheetPart) {
  CXslApplyTemplates call;
  EXPECT_TRUE(call.m_strSelect.IsEmpty());
  EXPECT_EQ(call.m_nPartType, 0);
  EXPECT_EQ(call.m_nMajor, 0);
  EXPECT_EQ(call.m_nMinor, 0);
  EXPECT_EQ(call.m_nPartKind, 0);
  EXPECT_TRUE(CXslStylesheet().m_strSelect.IsEmpty());
  EXPECT_TRUE(CFoBlock().m_strSelect.IsEmpty());
}

TEST(FoElements, FlowNames) {
  EXPECT_EQ(CFoFlow().m_strFlowName.str(), u"xsl-region-body");
  EXPECT_TRUE(CFoStaticContent().m_strFlowName.IsEmpty());
  EXPECT_TRUE(CFoPageSequence().m_strMasterReference.IsEmpty());
  EXPECT_TRUE(CFoSinglePageMasterReference().m_strMasterReference.IsEmpty());
}

TEST(FoElements, SimplePageMasterIsA4WithoutMargins) {
  CFoSimplePageMaster master;
  EXPECT_EQ(master.m_pageProps.m_nPageHeight, 29700);
  EXPECT_EQ(master.m_pageProps.m_nPageWidth, 21000);
  EXPECT_EQ(master.m_pageProps.m_nColumnCount, 1);
  EXPECT_EQ(master.m_pageProps.m_nColumnGap, 500);
  EXPECT_EQ(master.m_marginProps.m_nMarginLeft, 0);
  EXPECT_EQ(master.m_marginProps.m_nMarginTop, 0);
  EXPECT_EQ(master.m_marginProps.m_nMarginRight, 0);
  EXPECT_EQ(master.m_marginProps.m_nMarginBottom, 0);
}

TEST(FoElements, BlockContainerIsVisibleWithoutBreakOrSize) {
  CFoBlockContainer container;
  EXPECT_EQ(container.m_nBreakAfter, 0);
  EXPECT_EQ(container.m_nVisibility, 0);
  EXPECT_EQ(container.m_nWidth, 0);
  EXPECT_EQ(container.m_nHeight, 0);
  EXPECT_EQ(container.m_nFoReserved, 0);
  EXPECT_EQ(container.m_lineProps.m_nLineSpacing, CBlockLineRelatedProperties().m_nLineSpacing);
}

TEST(FoElements, GroupsStartAtTheirDefaultsAndScratchStaysZero) {
  CFoInline run;
  EXPECT_EQ(run.m_fontProps.m_nFontSize, 371);
  EXPECT_STREQ(run.m_fontProps.m_szFontFamily, DefaultMinchoFaceA());
  EXPECT_EQ(run.m_borderProps.m_crBackground, kNoBackground);
  EXPECT_EQ(run.m_kasenProps.m_kasen.nForcedNumber, -1);
  EXPECT_EQ(run.m_alignmentProps.m_nBaselineShift, 0);
  EXPECT_TRUE(run.m_arrExtDraw.empty());
  for (int v : run.m_extDraw.draw.m_anDraw) EXPECT_EQ(v, 0);
  for (int v : run.m_anDraw) EXPECT_EQ(v, 0);
  EXPECT_TRUE(CFoBlock().m_arrLineDraw.empty());

  CFoExternalGraphic picture;
  EXPECT_TRUE(picture.m_strSource.empty());
  EXPECT_EQ(picture.m_dimensionProps.m_nAreaWidth, 0);
  EXPECT_EQ(picture.m_anReserved[0], -1);
  EXPECT_EQ(picture.m_anReserved[1], -1);
  EXPECT_EQ(CFoInlineContainer().m_anReserved[0], -1);
  EXPECT_EQ(CFoInstreamForeignObject().m_anReserved[1], -1);
  EXPECT_EQ(CFoFloat().m_dimensionProps.m_nAreaHeight, CFoFloat::SideNone);
  EXPECT_EQ(CFoTableCell().m_borderProps.m_nBorderStyle, LS_NONE);
}

TEST(MathMLElements, TokensAndMathUseTheFormulaFont) {
  std::unique_ptr<CMathMLNode> nodes[] = {
      std::make_unique<CMathMLToken>(XE_MI),    std::make_unique<CMathMLToken>(XE_MN),
      std::make_unique<CMathMLToken>(XE_MTEXT), std::make_unique<CMathMLOperator>(),
      std::make_unique<CMathMLStringToken>(),   std::make_unique<CMathMLMath>()};
  for (const auto& node : nodes) {
    EXPECT_STREQ(node->m_fontProps.m_szFontFamily, "Times New Roman");
    EXPECT_EQ(node->m_fontProps.m_nFontSize, 371);
  }
  CMathMLRow row(XE_MROW);
  EXPECT_STREQ(row.m_fontProps.m_szFontFamily, CFontProperties().m_szFontFamily);
  EXPECT_EQ(row.m_fontProps.m_nFontSize, CFontProperties().m_nFontSize);
}

TEST(MathMLElements, ElementDefaults) {
  EXPECT_EQ(CMathMLTable().m_lineProps.m_nTextAlign, 1);
  EXPECT_EQ(CMathMLTd().m_lineProps.m_nTextAlign, 0);
  CMathMLFenced fenced;
  EXPECT_EQ(fenced.m_strOpen.str(), u"(");
  EXPECT_EQ(fenced.m_strClose.str(), u")");
  CMathMLFrac frac;
  EXPECT_EQ(frac.m_bBevelled, 0);
  EXPECT_EQ(frac.m_nFracReserved, 0);
  EXPECT_EQ(CMathMLEnclose().m_strNotation, "longdiv");
  CMathMLOperator mo;
  EXPECT_EQ(mo.m_nStretchy, 0);
  for (int v : mo.m_anReserved) EXPECT_EQ(v, 0);
  CMathMLNode style(XE_MSTYLE);
  EXPECT_EQ(style.m_colorProps.m_crColor, 0u);
  EXPECT_EQ(style.m_kasenProps.m_kasen.nNumberStyle, CKasenRenbanProperties::NumberNone);
}

TEST(MathMLElements, SharedClassesKeepTheirCode) {
  EXPECT_EQ(CMathMLScript(XE_MSUP).m_nType, DWORD(XE_MSUP));
  EXPECT_NE(CMathMLScript(XE_MSUB).m_nType, CMathMLScript(XE_MSUP).m_nType);
  EXPECT_EQ(CMathMLUnderOver(XE_MUNDEROVER).m_nType, DWORD(XE_MUNDEROVER));
  EXPECT_EQ(CMathMLRadical(XE_MROOT).m_nType, DWORD(XE_MROOT));
}

}  // namespace
