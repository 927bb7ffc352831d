#include "xmlformat/FoBlockWriters.h"

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoTableElements.h"
#include "xmlformat/FoForeignObjectWriter.h"
#include "xmlformat/FoInlineWriters.h"
#include "xmlformat/FoValueForms.h"
#include "xmlformat/FoWriterSupport.h"

namespace {

const FO_CHILD_WRITER kBlockContainerChildren[] = {
    {XE_FO_BLOCK, FoWriteBlock},
    {XE_FO_FLOAT, FoWriteFloat},
    {XE_FO_INLINE_CONTAINER, FoWriteInlineContainer},
    {XE_FO_INITIAL_PROPERTY_SET, FoWriteSpacing},
    {XE_FO_TABLE_AND_CAPTION, FoWriteTable},
};

const FO_CHILD_WRITER kBlockChildren[] = {
    {XE_FO_BLOCK, FoWriteBlock},
    {XE_FO_INLINE_CONTAINER, FoWriteInlineContainer},
    {XE_FO_INLINE, FoWriteInline},
    {XE_FO_INSTREAM_FOREIGN_OBJECT, FoWriteForeignObject},
    {XE_FO_EXTERNAL_GRAPHIC, FoWriteExternalGraphic},
};

// Floats and table cells hold lines and their runs, pictures and islands.
const FO_CHILD_WRITER kFloatChildren[] = {
    {XE_FO_BLOCK, FoWriteBlock},
    {XE_FO_INLINE, FoWriteInline},
    {XE_FO_INSTREAM_FOREIGN_OBJECT, FoWriteForeignObject},
    {XE_FO_EXTERNAL_GRAPHIC, FoWriteExternalGraphic},
};

void WriteBlockContainerAttributes(const FO_WRITE_CONTEXT& c, const CFoBlockContainer& node) {
  if (node.m_nVisibility == CFoBlockContainer::VisibilityCollapse) FoSetAttribute(c, u"visibility", u"collapse");
  if (node.m_nWidth > 0) FoSetAttribute(c, u"width", MillimetreText(node.m_nWidth));
  if (node.m_nBlockKind == BK_GAI) {
    FoSetAttribute(c, u"id", c.counters->NextId(BK_GAI));
  } else if (node.m_nBlockKind == BK_KAIPAGE) {
    FoSetAttribute(c, u"id", c.counters->NextId(BK_KAIPAGE));
    FoSetAttribute(c, u"break-after", u"page");
  }
}

void WriteBlockAlignment(const FO_WRITE_CONTEXT& c, LONG align) {
  if (const char16_t* name = TextAlignName(align))
    FoSetAttribute(c, u"text-align", name);
  else if (align == CBlockLineRelatedProperties::AlignDistribute)
    FoSetAttribute(c, u"text-justify", u"distribute");
}

// The first child of a table part, which must be one of the given codes.
CQVXMLNode& FirstChildOf(const CQVXMLNode& node) {
  CQVXMLNode* child = node.GetFirstChild();
  FoRequire(child != nullptr);
  return *child;
}

void WriteCell(const FO_WRITE_CONTEXT& c, CQVXMLNode* cell, const CDomNode& rowElement) {
  FoRequire(cell != nullptr);
  FO_WRITE_CONTEXT cellContext = c.ForChild(cell, FoAppendElement(c, rowElement, ElementNameFromCode(int(cell->m_nType))));
  if (auto* fo = dynamic_cast<CFoTableCell*>(cell)) {
    // Other border styles have no attribute here.
    if (fo->m_borderProps.m_nBorderStyle == LS_SOLID) FoSetAttribute(cellContext, u"border-style", u"solid");
    if (fo->m_borderProps.m_nBorderWidth > 0)
      FoSetAttribute(cellContext, u"border-width", HalfPointsText(fo->m_borderProps.m_nBorderWidth));
  }
  FoWriteChildren(cellContext, kFloatChildren, FoUnlisted::Skipped);
}

void WriteTableBody(const FO_WRITE_CONTEXT& c, const CQVXMLNode& body, const CDomNode& bodyElement) {
  for (CQVXMLNode* row : body.m_arrChildren) {
    FoRequire(row != nullptr);
    CDomNode rowElement = FoAppendElement(c, bodyElement, ElementNameFromCode(int(row->m_nType)));
    for (CQVXMLNode* cell : row->m_arrChildren) WriteCell(c, cell, rowElement);
  }
}

}  // namespace

BOOL FoWriteBlockContainer(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    WriteBlockContainerAttributes(c, FoNodeAs<CFoBlockContainer>(c));
    FoWriteChildren(c, kBlockContainerChildren, FoUnlisted::ElementOnly);
  });
}

BOOL FoWriteSpacing(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    auto& node = FoNodeAs<CFoInitialPropertySet>(c);
    if (node.m_lineProps.m_nLineSpacing > 0)
      FoSetAttribute(c, u"line-height.optimum", SpacingPointsText(node.m_lineProps.m_nLineSpacing));
    if (node.m_charProps.m_nLetterSpacing > 0)
      FoSetAttribute(c, u"letter-spacing.optimum", SpacingPointsText(node.m_charProps.m_nLetterSpacing));
  });
}

BOOL FoWriteBlock(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    WriteBlockAlignment(c, FoNodeAs<CFoBlock>(c).m_lineProps.m_nTextAlign);
    FoWriteChildren(c, kBlockChildren, FoUnlisted::Skipped);
  });
}

BOOL FoWriteFloat(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    if (const char16_t* side = FloatSideName(FoNodeAs<CFoFloat>(c).m_dimensionProps.m_nAreaHeight))
      FoSetAttribute(c, u"float", side);
    FoWriteChildren(c, kFloatChildren, FoUnlisted::Skipped);
  });
}

// Only table-and-caption > table > body > rows > cells is written. A caption first, or a
// header or footer first, ends the table without a failure; other shapes are failures.
BOOL FoWriteTable(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    CQVXMLNode& table = FirstChildOf(*c.node);
    if (table.m_nType == XE_FO_TABLE_CAPTION) return;
    FoRequire(table.m_nType == XE_FO_TABLE);
    CDomNode tableElement = FoAppendElement(c, c.element, u"fo:table");
    CQVXMLNode& body = FirstChildOf(table);
    if (body.m_nType == XE_FO_TABLE_HEADER || body.m_nType == XE_FO_TABLE_FOOTER) return;
    FoRequire(body.m_nType == XE_FO_TABLE_BODY);
    WriteTableBody(c, body, FoAppendElement(c, tableElement, u"fo:table-body"));
  });
}
