#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <set>
#include <typeinfo>

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoPageElements.h"
#include "model/FoTableElements.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLScriptElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/MondaiElements.h"
#include "model/NodeFactory.h"
#include "model/XslElements.h"

namespace {

struct FactoryCase {
  int code;
  const std::type_info& type;
};

const FactoryCase kBuiltNodes[] = {
    {XE_XSL_STYLESHEET, typeid(CXslStylesheet)},
    {XE_XSL_TEMPLATE, typeid(CXslTemplate)},
    {XE_XSL_APPLY_TEMPLATES, typeid(CXslApplyTemplates)},
    {XE_XSL_VALUE_OF, typeid(CXslValueOf)},
    {XE_XSL_COPY_OF, typeid(CXslCopyOf)},
    {XE_FO_ROOT, typeid(CFoRoot)},
    {XE_FO_LAYOUT_MASTER_SET, typeid(CFoLayoutMasterSet)},
    {XE_FO_SIMPLE_PAGE_MASTER, typeid(CFoSimplePageMaster)},
    {XE_FO_REGION_BODY, typeid(CFoRegionBody)},
    {XE_FO_REGION_BEFORE, typeid(CFoRegionBefore)},
    {XE_FO_REGION_AFTER, typeid(CFoRegionAfter)},
    {XE_FO_PAGE_SEQUENCE_MASTER, typeid(CFoPageSequenceMaster)},
    {XE_FO_SINGLE_PAGE_MASTER_REFERENCE, typeid(CFoSinglePageMasterReference)},
    {XE_FO_PAGE_SEQUENCE, typeid(CFoPageSequence)},
    {XE_FO_STATIC_CONTENT, typeid(CFoStaticContent)},
    {XE_FO_FLOW, typeid(CFoFlow)},
    {XE_FO_BLOCK_CONTAINER, typeid(CFoBlockContainer)},
    {XE_FO_BLOCK, typeid(CFoBlock)},
    {XE_FO_FLOAT, typeid(CFoFloat)},
    {XE_FO_INLINE_CONTAINER, typeid(CFoInlineContainer)},
    {XE_FO_INLINE, typeid(CFoInline)},
    {XE_FO_INSTREAM_FOREIGN_OBJECT, typeid(CFoInstreamForeignObject)},
    {XE_FO_EXTERNAL_GRAPHIC, typeid(CFoExternalGraphic)},
    {XE_FO_INITIAL_PROPERTY_SET, typeid(CFoInitialPropertySet)},
    {XE_FO_TABLE_AND_CAPTION, typeid(CFoTableAndCaption)},
    {XE_FO_TABLE_CAPTION, typeid(CFoTableCaption)},
    {XE_FO_TABLE, typeid(CFoTable)},
    {XE_FO_TABLE_HEADER, typeid(CFoTableHeader)},
    {XE_FO_TABLE_FOOTER, typeid(CFoTableFooter)},
    {XE_FO_TABLE_BODY, typeid(CFoTableBody)},
    {XE_FO_TABLE_ROW, typeid(CFoTableRow)},
    {XE_FO_TABLE_CELL, typeid(CFoTableCell)},
    {XE_PRINT, typeid(CMondaiPrint)},
    {XE_DMON, typeid(CMondaiDmon)},
    {XE_MON, typeid(CMondaiMon)},
    {XE_SMON, typeid(CMondaiSmon)},
    {XE_DAI, typeid(CMondaiDai)},
    {XE_KAI, typeid(CMondaiKai)},
    {XE_RAN, typeid(CMondaiRan)},
    {XE_SETSU, typeid(CMondaiSetsu)},
    {XE_CYUKAI, typeid(CMondaiCyukai)},
    {XE_SP, typeid(CMondaiSp)},
    {XE_IMG, typeid(CMondaiImg)},
    {XE_OBJECT, typeid(CMondaiObject)},
    {XE_DNO, typeid(CMondaiDno)},
    {XE_NO, typeid(CMondaiNo)},
    {XE_GAI, typeid(CMondaiGai)},
    {XE_KIM, typeid(CMondaiKim)},
    {XE_HAI, typeid(CMondaiHai)},
    {XE_MATH, typeid(CMathMLMath)},
    {XE_MI, typeid(CMathMLToken)},
    {XE_MN, typeid(CMathMLToken)},
    {XE_MO, typeid(CMathMLOperator)},
    {XE_MS, typeid(CMathMLStringToken)},
    {XE_MTEXT, typeid(CMathMLToken)},
    {XE_MROW, typeid(CMathMLRow)},
    {XE_MFRAC, typeid(CMathMLFrac)},
    {XE_MSQRT, typeid(CMathMLRadical)},
    {XE_MROOT, typeid(CMathMLRadical)},
    {XE_MSTYLE, typeid(CMathMLNode)},
    {XE_MFENCED, typeid(CMathMLFenced)},
    {XE_MENCLOSE, typeid(CMathMLEnclose)},
    {XE_MSUB, typeid(CMathMLScript)},
    {XE_MSUP, typeid(CMathMLScript)},
    {XE_MSUBSUP, typeid(CMathMLScript)},
    {XE_MUNDER, typeid(CMathMLUnderOver)},
    {XE_MOVER, typeid(CMathMLUnderOver)},
    {XE_MUNDEROVER, typeid(CMathMLUnderOver)},
    {XE_MMULTISCRIPTS, typeid(CMathMLMultiscripts)},
    {XE_MPRESCRIPTS, typeid(CMathMLPrescripts)},
    {XE_MNONE, typeid(CMathMLNone)},
    {XE_MTABLE, typeid(CMathMLTable)},
    {XE_MTR, typeid(CMathMLTr)},
    {XE_MTD, typeid(CMathMLTd)},
};

// Codes of the vocabulary that the object model leaves out.
const int kSkippedCodes[] = {
    XE_SEARCH_PROG_ID, XE_SEARCH_INFO, XE_MONDAI_ID, XE_MSPACE, XE_MGRYPH, XE_MERROR, XE_MPADDED,
    XE_MPHANTOM, XE_MLABELEDTR, XE_FO_REGION_START, XE_FO_REGION_END, XE_FO_REPEATABLE_PAGE_MASTER_REFERENCE,
    XE_FO_REPEATABLE_PAGE_MASTER_ALTERNATIVES, XE_FO_DECLARATIONS, XE_FO_TITLE, XE_FO_CHARACTER,
    XE_FO_LIST_BLOCK, XE_FO_LIST_ITEM, XE_FO_LIST_ITEM_LABEL, XE_FO_LIST_ITEM_BODY,
};

}  // namespace

TEST(NodeFactory, BuildsTheClassOfEachCodeAndKeepsTheCode) {
  for (const FactoryCase& c : kBuiltNodes) {
    std::unique_ptr<CQVXMLNode> node(CreateNode(c.code));
    ASSERT_NE(node, nullptr) << std::hex << c.code;
    EXPECT_EQ(typeid(*node), c.type) << std::hex << c.code;
    EXPECT_EQ(node->m_nType, DWORD(c.code));
    EXPECT_TRUE(node->m_mapAttributes.empty());
  }
}

TEST(NodeFactory, GivesNoNodeForLeftOutAndUnknownCodes) {
  for (int code : kSkippedCodes) EXPECT_EQ(CreateNode(code), nullptr) << std::hex << code;
  for (int code : {0, -1, 0x202, 0x999, 0x10101, 0x20001002, INT_MIN}) EXPECT_EQ(CreateNode(code), nullptr) << code;
}

TEST(NodeFactory, EveryCodeOfTheVocabularyIsDecided) {
  std::set<int> decided;
  for (const FactoryCase& c : kBuiltNodes) decided.insert(c.code);
  for (int code : kSkippedCodes) decided.insert(code);
  EXPECT_EQ(decided.size(), std::size(kBuiltNodes) + std::size(kSkippedCodes));
  for (const XML_TABLE_ENTRY* entry = g_XmlElementTable + 1; entry->nCode != -1; ++entry)
    EXPECT_TRUE(decided.count(entry->nCode)) << std::hex << entry->nCode;
}

TEST(NodeFactory, NodesStartWithTheirClassDefaults) {
  std::unique_ptr<CQVXMLNode> sup(CreateNode(XE_MSUP));
  std::unique_ptr<CQVXMLNode> sub(CreateNode(XE_MSUB));
  EXPECT_NE(sup->m_nType, sub->m_nType);
  std::unique_ptr<CQVXMLNode> flow(CreateNode(XE_FO_FLOW));
  EXPECT_EQ(static_cast<CFoFlow&>(*flow).m_strFlowName, u"xsl-region-body");
  std::unique_ptr<CQVXMLNode> table(CreateNode(XE_MTABLE));
  EXPECT_EQ(static_cast<CMathMLTable&>(*table).m_lineProps.m_nTextAlign, CBlockLineRelatedProperties::AlignCenter);
}
