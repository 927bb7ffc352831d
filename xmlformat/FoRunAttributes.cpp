#include "xmlformat/FoRunAttributes.h"

#include "model/ColorNames.h"
#include "model/FoFlowElements.h"
#include "xmlformat/FoValueForms.h"
#include "xmlformat/FoWriterSupport.h"

namespace {

constexpr LONG kThick = 3;

CStringW DecorationText(const CCharacterProperties& chars) {
  CStringW text;
  if (chars.m_nUnderlineStyle != LS_NONE) text += u"underline";
  if (chars.m_nLineThroughStyle != LS_NONE) {
    if (!text.IsEmpty()) text += u' ';
    text += u"line-through";
  }
  return text;
}

// A normal solid line is carried by text-decoration alone.
void WriteLineStyle(const FO_WRITE_CONTEXT& c, LONG style, LONG width, const char16_t* styleName,
                    const char16_t* widthName) {
  if (style == LS_SOLID) {
    if (width != kThick) return;
    FoSetAttribute(c, styleName, u"solid");
    FoSetAttribute(c, widthName, u"thick");
  } else if (const char16_t* name = LineStyleName(style)) {
    FoSetAttribute(c, styleName, name);
  }
}

void WriteFont(const FO_WRITE_CONTEXT& c, const CFontProperties& font) {
  FoSetAttribute(c, u"font-family", AnsiNameText(font.m_szFontFamily, LF_FACESIZE));
  FoSetAttribute(c, u"font-size", HalfPointsText(font.m_nFontSize));
  if (font.m_nFontWeight == FW_BOLD) FoSetAttribute(c, u"font-weight", u"bold");
  if (font.m_nFontItalic == 1) FoSetAttribute(c, u"font-style", u"italic");
}

void WriteDecorations(const FO_WRITE_CONTEXT& c, const CCharacterProperties& chars) {
  CStringW decoration = DecorationText(chars);
  if (!decoration.IsEmpty()) FoSetAttribute(c, u"text-decoration", decoration);
  WriteLineStyle(c, chars.m_nUnderlineStyle, chars.m_nUnderlineWidth, u"text-underline-style",
                 u"text-underline-width");
  WriteLineStyle(c, chars.m_nLineThroughStyle, chars.m_nLineThroughWidth, u"text-line-through-style",
                 u"text-line-through-width");
}

void WriteBackground(const FO_WRITE_CONTEXT& c, const CBorderPaddingBackgroundProperties& border) {
  if (border.m_crBackground != kNoBackground) FoSetAttribute(c, u"background-color", ColorToName(border.m_crBackground));
  // The horizontal hatch has no attribute in the sheet document.
  if (border.m_nBackgroundPattern != 1) {
    if (const char16_t* pattern = BackgroundPatternName(border.m_nBackgroundPattern))
      FoSetAttribute(c, u"background-image", pattern);
  }
}

void WriteBorder(const FO_WRITE_CONTEXT& c, const CBorderPaddingBackgroundProperties& border) {
  const char16_t* style = LineStyleName(border.m_nBorderStyle);
  if (!style) return;
  FoSetAttribute(c, u"border-style", style);
  if (border.m_nBorderStyle == LS_SOLID && border.m_nBorderWidth == kThick) FoSetAttribute(c, u"border-width", u"thick");
}

}  // namespace

void FoWriteRunAttributes(const FO_WRITE_CONTEXT& c, const CFoInline& node) {
  WriteFont(c, node.m_fontProps);
  WriteDecorations(c, node.m_charProps);
  if (node.m_fontProps.m_nFontStretch != CFontProperties::StretchNormal)
    FoSetAttribute(c, u"font-stretch",
                   node.m_fontProps.m_nFontStretch == CFontProperties::StretchCondensed ? u"condensed" : u"expanded");
  if (node.m_colorProps.m_crColor != 0) FoSetAttribute(c, u"color", ColorToName(node.m_colorProps.m_crColor));
  WriteBackground(c, node.m_borderProps);
  WriteBorder(c, node.m_borderProps);
  if (node.m_alignmentProps.m_nBaselineShift != CAreaAlignmentProperties::ShiftNone)
    FoSetAttribute(c, u"baseline-shift",
                   node.m_alignmentProps.m_nBaselineShift == CAreaAlignmentProperties::ShiftSub ? u"sub" : u"super");
  if (node.m_charProps.m_nLetterSpacing != 0)
    FoSetAttribute(c, u"letter-spacing.optimum", SignedHalfPointsText(node.m_charProps.m_nLetterSpacing));
  FoWriteNumbering(c, node.m_kasenProps);
}

void FoWriteNumbering(const FO_WRITE_CONTEXT& c, const CKasenRenbanProperties& numbering) {
  const KASEN_RENBAN_FIELDS& f = numbering.m_kasen;
  const char16_t* type = NumberTypeName(f.nNumberStyle);
  if (!type) return;
  FoSetAttribute(c, u"bango-type", type);
  if (f.nNumberStyle == CKasenRenbanProperties::NumberString) FoSetAttribute(c, u"bango-string", numbering.m_strKasenString);
  if (f.nForcedNumber > 0) FoSetAttribute(c, u"bango-force", DecimalText(f.nForcedNumber));
  CStringW face = AnsiNameText(f.szNumberFace, LF_FACESIZE);
  if (!face.IsEmpty()) FoSetAttribute(c, u"bango-font-family", face);
  if (f.nNumberSize != 0) FoSetAttribute(c, u"bango-font-size", HalfPointsText(f.nNumberSize));
}
