#include "tests/support/FoFieldDump.h"

#include <QString>

#include "model/FoBlockContainer.h"
#include "model/FoFlowElements.h"
#include "model/FoTableElements.h"
#include "model/MathMLNode.h"
#include "model/MondaiElements.h"

namespace {

std::string Utf8(const CStringW& text) { return QString::fromStdU16String(text.str()).toStdString(); }

void Field(std::string& out, const char* name, long value) { out += " " + std::string(name) + "=" + std::to_string(value); }

void BlockContainerFields(const CFoBlockContainer& node, std::string& out) {
  if (node.m_nVisibility) Field(out, "hidden", node.m_nVisibility);
  if (node.m_nWidth) Field(out, "width", node.m_nWidth);
  if (node.m_nBreakAfter) Field(out, "break-after", node.m_nBreakAfter);
}

void InlineFields(const CFoInline& node, std::string& out) {
  out += std::string(" face=") + node.m_fontProps.m_szFontFamily;
  Field(out, "size", node.m_fontProps.m_nFontSize);
  if (node.m_alignmentProps.m_nBaselineShift) Field(out, "shift", node.m_alignmentProps.m_nBaselineShift);
  if (node.m_charProps.m_nLetterSpacing) Field(out, "letter", node.m_charProps.m_nLetterSpacing);
}

void FormatFields(const CQVXMLNode& node, std::string& out) {
  if (auto* block = dynamic_cast<const CFoBlockContainer*>(&node)) BlockContainerFields(*block, out);
  if (auto* initial = dynamic_cast<const CFoInitialPropertySet*>(&node)) {
    Field(out, "line", initial->m_lineProps.m_nLineSpacing);
    Field(out, "letter", initial->m_charProps.m_nLetterSpacing);
  }
  if (auto* block = dynamic_cast<const CFoBlock*>(&node)) {
    Field(out, "line", block->m_lineProps.m_nLineSpacing);
    if (block->m_lineProps.m_nTextAlign) Field(out, "align", block->m_lineProps.m_nTextAlign);
  }
  if (auto* run = dynamic_cast<const CFoInline*>(&node)) InlineFields(*run, out);
  if (auto* container = dynamic_cast<const CFoInlineContainer*>(&node)) {
    if (container->m_borderProps.m_nBorderStyle) Field(out, "border", container->m_borderProps.m_nBorderStyle);
    if (container->m_kasenProps.m_kasen.nNumberStyle) Field(out, "kasen", container->m_kasenProps.m_kasen.nNumberStyle);
  }
  if (auto* fl = dynamic_cast<const CFoFloat*>(&node)) {
    Field(out, "width", fl->m_dimensionProps.m_nAreaWidth);
    Field(out, "side", fl->m_dimensionProps.m_nAreaHeight);
  }
  if (auto* cell = dynamic_cast<const CFoTableCell*>(&node)) {
    Field(out, "border", cell->m_borderProps.m_nBorderStyle);
    Field(out, "border-width", cell->m_borderProps.m_nBorderWidth);
  }
}

void ContentFields(const CQVXMLNode& node, std::string& out) {
  if (auto* picture = dynamic_cast<const CFoExternalGraphic*>(&node)) {
    Field(out, "width", picture->m_dimensionProps.m_nAreaWidth);
    Field(out, "height", picture->m_dimensionProps.m_nAreaHeight);
    out += " src=" + picture->m_strSource;
  }
  if (auto* object = dynamic_cast<const CMondaiObject*>(&node)) {
    Field(out, "width", object->m_nWidth);
    Field(out, "height", object->m_nHeight);
    out += " data=" + object->m_strData;
  }
  if (auto* number = dynamic_cast<const CMondaiDno*>(&node)) Field(out, "format", number->m_nNumberFormat);
  if (auto* number = dynamic_cast<const CMondaiNo*>(&node)) Field(out, "format", number->m_nNumberFormat);
  if (auto* points = dynamic_cast<const CMondaiHai*>(&node)) {
    Field(out, "each", points->m_haiten.m_nEach);
    Field(out, "total", points->m_haiten.m_nTotal);
  }
  if (auto* math = dynamic_cast<const CMathMLNode*>(&node); math && node.m_nType != XE_MATH)
    out += std::string(" face=") + math->m_fontProps.m_szFontFamily;
}

void Dump(const CQVXMLNode& node, int depth, std::string& out) {
  out += std::string(2 * depth, ' ');
  CStringW name = ElementNameFromCode(int(node.m_nType));
  out += name.IsEmpty() ? "?" : Utf8(name);
  if (node.m_nBlockKind) Field(out, "kind", node.m_nBlockKind);
  if (node.m_nContext) Field(out, "context", node.m_nContext);
  FormatFields(node, out);
  ContentFields(node, out);
  if (!node.m_strText.IsEmpty()) out += " '" + Utf8(node.m_strText) + "'";
  out += "\n";
  for (const CQVXMLNode* child : node.m_arrChildren) Dump(*child, depth + 1, out);
}

}  // namespace

std::string DumpFoFields(const CQVXMLNode* pRoot) {
  std::string out;
  if (pRoot) Dump(*pRoot, 0, out);
  return out;
}
