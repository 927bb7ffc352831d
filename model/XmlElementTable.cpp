#include "model/XmlElementTable.h"

#include <climits>

const XML_TABLE_ENTRY g_XmlElementTable[96] = {
    {0, u""},
    {XE_PRINT, u"print"},
    {XE_DMON, u"dmon"},
    {XE_MON, u"mon"},
    {XE_SMON, u"smon"},
    {XE_DAI, u"dai"},
    {XE_KAI, u"kai"},
    {XE_RAN, u"ran"},
    {XE_SETSU, u"setsu"},
    {XE_CYUKAI, u"cyukai"},
    {XE_SP, u"sp"},
    {XE_IMG, u"img"},
    {XE_OBJECT, u"object"},
    {XE_DNO, u"dno"},
    {XE_NO, u"no"},
    {XE_GAI, u"gai"},
    {XE_KIM, u"kim"},
    {XE_HAI, u"hai"},
    {XE_SEARCH_PROG_ID, u"SearchProgID"},
    {XE_SEARCH_INFO, u"SearchInfo"},
    {XE_MONDAI_ID, u"MondaiID"},
    {XE_XSL_STYLESHEET, u"xsl:stylesheet"},
    {XE_XSL_TEMPLATE, u"xsl:template"},
    {XE_XSL_APPLY_TEMPLATES, u"xsl:apply-templates"},
    {XE_XSL_VALUE_OF, u"xsl:value-of"},
    {XE_XSL_COPY_OF, u"xsl:copy-of"},
    {XE_FO_ROOT, u"fo:root"},
    {XE_FO_LAYOUT_MASTER_SET, u"fo:layout-master-set"},
    {XE_FO_SIMPLE_PAGE_MASTER, u"fo:simple-page-master"},
    {XE_FO_REGION_BEFORE, u"fo:region-before"},
    {XE_FO_REGION_BODY, u"fo:region-body"},
    {XE_FO_REGION_AFTER, u"fo:region-after"},
    {XE_FO_REGION_START, u"fo:region-start"},
    {XE_FO_REGION_END, u"fo:region-end"},
    {XE_FO_PAGE_SEQUENCE_MASTER, u"fo:page-sequence-master"},
    {XE_FO_SINGLE_PAGE_MASTER_REFERENCE, u"fo:single-page-master-reference"},
    {XE_FO_REPEATABLE_PAGE_MASTER_REFERENCE, u"fo:repeatable-page-master-reference"},
    {XE_FO_REPEATABLE_PAGE_MASTER_ALTERNATIVES, u"fo:repeatable-page-master-alternatives"},
    {XE_FO_DECLARATIONS, u"fo:declarations"},
    {XE_FO_PAGE_SEQUENCE, u"fo:page-sequence"},
    {XE_FO_TITLE, u"fo:title"},
    {XE_FO_STATIC_CONTENT, u"fo:static-content"},
    {XE_FO_FLOW, u"fo:flow"},
    {XE_FO_BLOCK_CONTAINER, u"fo:block-container"},
    {XE_FO_BLOCK, u"fo:block"},
    {XE_FO_FLOAT, u"fo:float"},
    {XE_FO_INLINE_CONTAINER, u"fo:inline-container"},
    {XE_FO_INLINE, u"fo:inline"},
    {XE_FO_CHARACTER, u"fo:character"},
    {XE_FO_INITIAL_PROPERTY_SET, u"fo:initial-property-set"},
    {XE_FO_INSTREAM_FOREIGN_OBJECT, u"fo:instream-foreign-object"},
    {XE_FO_EXTERNAL_GRAPHIC, u"fo:external-graphic"},
    {XE_FO_TABLE_AND_CAPTION, u"fo:table-and-caption"},
    {XE_FO_TABLE, u"fo:table"},
    {XE_FO_TABLE_CAPTION, u"fo:table-caption"},
    {XE_FO_TABLE_HEADER, u"fo:table-header"},
    {XE_FO_TABLE_FOOTER, u"fo:table-footer"},
    {XE_FO_TABLE_BODY, u"fo:table-body"},
    {XE_FO_TABLE_ROW, u"fo:table-row"},
    {XE_FO_TABLE_CELL, u"fo:table-cell"},
    {XE_FO_LIST_BLOCK, u"fo:list-block"},
    {XE_FO_LIST_ITEM, u"fo:list-item"},
    {XE_FO_LIST_ITEM_LABEL, u"fo:list-item-label"},
    {XE_FO_LIST_ITEM_BODY, u"fo:list-item-body"},
    {XE_MATH, u"math"},
    {XE_MI, u"mi"},
    {XE_MN, u"mn"},
    {XE_MO, u"mo"},
    {XE_MS, u"ms"},
    {XE_MTEXT, u"mtext"},
    {XE_MSPACE, u"mspace"},
    {XE_MGRYPH, u"mgryph"},  // the stored spelling; "mglyph" is not recognised
    {XE_MROW, u"mrow"},
    {XE_MFRAC, u"mfrac"},
    {XE_MSQRT, u"msqrt"},
    {XE_MROOT, u"mroot"},
    {XE_MSTYLE, u"mstyle"},
    {XE_MERROR, u"merror"},
    {XE_MPADDED, u"mpadded"},
    {XE_MPHANTOM, u"mphantom"},
    {XE_MFENCED, u"mfenced"},
    {XE_MENCLOSE, u"menclose"},
    {XE_MSUB, u"msub"},
    {XE_MSUP, u"msup"},
    {XE_MSUBSUP, u"msubsup"},
    {XE_MUNDER, u"munder"},
    {XE_MOVER, u"mover"},
    {XE_MUNDEROVER, u"munderover"},
    {XE_MMULTISCRIPTS, u"mmultiscripts"},
    {XE_MPRESCRIPTS, u"mprescripts"},
    {XE_MNONE, u"none"},
    {XE_MTABLE, u"mtable"},
    {XE_MTR, u"mtr"},
    {XE_MTD, u"mtd"},
    {XE_MLABELEDTR, u"mlabeledtr"},
    {-1, u""},
};

// Order matters: the first prefix found anywhere in an id wins.
const XML_TABLE_ENTRY g_IdPrefixTable[10] = {
    {BK_RUBY, u"ruby"}, {BK_CYUKAI, u"cyukai"},   {BK_GAI, u"gai"},
    {BK_KIM, u"kim"},   {BK_KANA, u"kanA"},       {BK_KANB, u"kanB"},
    {BK_KUN, u"kun"},   {BK_KAIPAGE, u"kaipage"}, {BK_KASEN, u"kasen"},
    {-1, u""},
};

int ElementCodeFromName(const CStringW& name) {
  for (const XML_TABLE_ENTRY* entry = g_XmlElementTable; entry->nCode != -1; ++entry) {
    if (name == entry->pszName) return entry->nCode;
  }
  return 0;
}

CStringW ElementNameFromCode(int code) {
  if (code == 0) return CStringW();
  for (const XML_TABLE_ENTRY* entry = g_XmlElementTable; entry->nCode != -1; ++entry) {
    if (entry->nCode == code) return CStringW(entry->pszName);
  }
  return CStringW();
}

int IdPrefixKind(const CStringW& value) {
  for (const XML_TABLE_ENTRY* entry = g_IdPrefixTable; entry->nCode != -1; ++entry) {
    if (value.Find(entry->pszName) >= 0) return entry->nCode;
  }
  return BK_UNKNOWN;
}

int ParsePathIndex(const CStringW& step) {
  if (step.IsEmpty()) return -1;
  int open = step.Find(u'[');
  int close = step.Find(u']');
  if (open < 0) return close < 0 ? 1 : 0;
  if (close < open + 2) return 0;
  return LeadingDecimal(step.Mid(open + 1, close - open - 1));
}

CStringW FormatPathStep(const CStringW& name, int index) {
  if (index < 0) return CStringW();
  if (index == 0) return name;
  CStringW step;
  step.Format(u"%s[%d]", name.GetString(), index);
  return step;
}

void SplitXPath(std::vector<CStringW>& steps, CStringW& path) {
  if (path.IsEmpty()) return;
  if (int open = path.Find(u'{'); open >= 0) path.Delete(open);
  if (int close = path.Find(u'}'); close >= 0) path.Delete(close);
  if (path.IsEmpty()) return;
  steps.clear();
  CStringW step;
  for (int i = 0; i < path.GetLength(); ++i) {
    if (path[i] != u'/') step += path[i];
    if (path[i] == u'/' || i == path.GetLength() - 1) {
      if (!step.IsEmpty()) steps.push_back(step);
      step.Empty();
    }
  }
}
