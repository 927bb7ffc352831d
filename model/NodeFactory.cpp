#include "model/NodeFactory.h"

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

CQVXMLNode* NewMondaiNode(int code) {
  switch (code) {
    case XE_PRINT: return new CMondaiPrint;
    case XE_DMON: return new CMondaiDmon;
    case XE_MON: return new CMondaiMon;
    case XE_SMON: return new CMondaiSmon;
    case XE_DAI: return new CMondaiDai;
    case XE_KAI: return new CMondaiKai;
    case XE_RAN: return new CMondaiRan;
    case XE_SETSU: return new CMondaiSetsu;
    case XE_CYUKAI: return new CMondaiCyukai;
    case XE_SP: return new CMondaiSp;
    case XE_IMG: return new CMondaiImg;
    case XE_OBJECT: return new CMondaiObject;
    case XE_DNO: return new CMondaiDno;
    case XE_NO: return new CMondaiNo;
    case XE_GAI: return new CMondaiGai;
    case XE_KIM: return new CMondaiKim;
    case XE_HAI: return new CMondaiHai;
    default: return nullptr;
  }
}

CQVXMLNode* NewXslNode(int code) {
  switch (code) {
    case XE_XSL_STYLESHEET: return new CXslStylesheet;
    case XE_XSL_TEMPLATE: return new CXslTemplate;
    case XE_XSL_APPLY_TEMPLATES: return new CXslApplyTemplates;
    case XE_XSL_VALUE_OF: return new CXslValueOf;
    case XE_XSL_COPY_OF: return new CXslCopyOf;
    default: return nullptr;
  }
}

CQVXMLNode* NewFoNode(int code) {
  switch (code) {
    case XE_FO_ROOT: return new CFoRoot;
    case XE_FO_LAYOUT_MASTER_SET: return new CFoLayoutMasterSet;
    case XE_FO_SIMPLE_PAGE_MASTER: return new CFoSimplePageMaster;
    case XE_FO_REGION_BODY: return new CFoRegionBody;
    case XE_FO_REGION_BEFORE: return new CFoRegionBefore;
    case XE_FO_REGION_AFTER: return new CFoRegionAfter;
    case XE_FO_PAGE_SEQUENCE_MASTER: return new CFoPageSequenceMaster;
    case XE_FO_SINGLE_PAGE_MASTER_REFERENCE: return new CFoSinglePageMasterReference;
    case XE_FO_PAGE_SEQUENCE: return new CFoPageSequence;
    case XE_FO_STATIC_CONTENT: return new CFoStaticContent;
    case XE_FO_FLOW: return new CFoFlow;
    case XE_FO_BLOCK_CONTAINER: return new CFoBlockContainer;
    case XE_FO_BLOCK: return new CFoBlock;
    case XE_FO_FLOAT: return new CFoFloat;
    case XE_FO_INLINE_CONTAINER: return new CFoInlineContainer;
    case XE_FO_INLINE: return new CFoInline;
    case XE_FO_INSTREAM_FOREIGN_OBJECT: return new CFoInstreamForeignObject;
    case XE_FO_EXTERNAL_GRAPHIC: return new CFoExternalGraphic;
    case XE_FO_INITIAL_PROPERTY_SET: return new CFoInitialPropertySet;
    case XE_FO_TABLE_AND_CAPTION: return new CFoTableAndCaption;
    case XE_FO_TABLE_CAPTION: return new CFoTableCaption;
    case XE_FO_TABLE: return new CFoTable;
    case XE_FO_TABLE_HEADER: return new CFoTableHeader;
    case XE_FO_TABLE_FOOTER: return new CFoTableFooter;
    case XE_FO_TABLE_BODY: return new CFoTableBody;
    case XE_FO_TABLE_ROW: return new CFoTableRow;
    case XE_FO_TABLE_CELL: return new CFoTableCell;
    default: return nullptr;
  }
}

CQVXMLNode* NewMathMLNode(int code) {
  switch (code) {
    case XE_MATH: return new CMathMLMath;
    case XE_MI:
    case XE_MN:
    case XE_MTEXT: return new CMathMLToken(code);
    case XE_MO: return new CMathMLOperator;
    case XE_MS: return new CMathMLStringToken;
    case XE_MROW: return new CMathMLRow(code);
    case XE_MFRAC: return new CMathMLFrac;
    case XE_MSQRT:
    case XE_MROOT: return new CMathMLRadical(code);
    case XE_MSTYLE: return new CMathMLNode(code);
    case XE_MFENCED: return new CMathMLFenced;
    case XE_MENCLOSE: return new CMathMLEnclose;
    case XE_MSUB:
    case XE_MSUP:
    case XE_MSUBSUP: return new CMathMLScript(code);
    case XE_MUNDER:
    case XE_MOVER:
    case XE_MUNDEROVER: return new CMathMLUnderOver(code);
    case XE_MMULTISCRIPTS: return new CMathMLMultiscripts;
    case XE_MPRESCRIPTS: return new CMathMLPrescripts;
    case XE_MNONE: return new CMathMLNone;
    case XE_MTABLE: return new CMathMLTable;
    case XE_MTR: return new CMathMLTr;
    case XE_MTD: return new CMathMLTd;
    default: return nullptr;
  }
}

CQVXMLNode* NewNode(int code) {
  switch (code & 0xF00) {
    case 0x100: return NewMondaiNode(code);
    case 0x200: return NewMathMLNode(code);
    case 0x400: return NewXslNode(code);
    case 0xC00: return NewFoNode(code);
    default: return nullptr;
  }
}

}  // namespace

CQVXMLNode* CreateNode(int code) {
  try {
    return NewNode(code);
  } catch (...) {
    return nullptr;  // new has already released a node whose constructor threw
  }
}
