#include "model/MathMLDomWriter.h"

#include <climits>
#include <cstring>

#include "elements/Units.h"
#include "model/AttributeValues.h"
#include "model/ColorNames.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/XmlElementTable.h"
#include "platform/AnsiCodePage.h"

namespace {

// Writes onto one element and remembers whether anything could not be written.
struct ELEMENT_WRITER {
  DOM_TARGET target;
  BOOL bComplete = TRUE;

  void Attribute(const char16_t* name, const CStringW& value) {
    try {
      CDomNode attribute = target.document.createAttribute(name);
      attribute.put_nodeValue(value.str());
      target.element.attributes().setNamedItem(attribute);
    } catch (...) {
      bComplete = FALSE;
    }
  }

  // Text with markup characters goes into a CDATA section so that it reads back verbatim.
  void Text(const CStringW& text) {
    try {
      if (text.FindOneOf(u"<>") >= 0)
        target.element.appendChild(target.document.createCDATASection(text.str()));
      else
        target.element.put_text(text.str());
    } catch (...) {
      bComplete = FALSE;
    }
  }
};

CStringW HalfPointsText(LONG size) {
  CStringW text;
  FormatPoints(size, text);
  return text;
}

LONG Magnitude(LONG v) { return v == INT_MIN ? INT_MAX : (v < 0 ? -v : v); }

CStringW FaceText(const CHAR (&face)[LF_FACESIZE]) {
  return CStringW(AnsiToWide(std::string_view(face, strnlen(face, LF_FACESIZE))));
}

const char16_t* VariantName(const CFontProperties& font) {
  bool bold = font.m_nFontWeight == FW_BOLD;
  bool italic = font.m_nFontItalic == 1;
  if (bold && italic) return u"bold-italic";
  if (bold) return u"bold";
  return italic ? u"italic" : nullptr;
}

BOOL IsToken(DWORD code) { return code >= XE_MI && code <= XE_MTEXT; }

void WriteNumbering(ELEMENT_WRITER& w, const CKasenRenbanProperties& numbering) {
  const KASEN_RENBAN_FIELDS& f = numbering.m_kasen;
  const char16_t* style = f.nNumberStyle > 0 ? KeywordOf(g_NumberStyleKeywords, f.nNumberStyle) : nullptr;
  if (!style) return;
  w.Attribute(u"bango-type", style);
  if (f.nNumberStyle == CKasenRenbanProperties::NumberString) w.Attribute(u"bango-string", numbering.m_strKasenString);
  if (f.nForcedNumber > 0) {
    CStringW number;
    number.Format(u"%d", f.nForcedNumber);
    w.Attribute(u"bango-force", number);
  }
  CStringW face = FaceText(f.szNumberFace);
  if (!face.IsEmpty()) w.Attribute(u"bango-font-family", face);
  if (f.nNumberSize != 0) w.Attribute(u"bango-font-size", HalfPointsText(f.nNumberSize));
}

void WriteUnderline(ELEMENT_WRITER& w, const CCharacterProperties& c) {
  const char16_t* style = KeywordOf(g_LineStyleKeywords, c.m_nUnderlineStyle);
  if (!style) return;
  w.Attribute(u"mathunderlinestyle", style);
  if (c.m_nUnderlineStyle == LS_SOLID && c.m_nUnderlineWidth == 3) w.Attribute(u"mathunderlinewidth", u"thick");
}

void WriteToken(ELEMENT_WRITER& w, const CMathMLNode& node) {
  if (node.m_bSpaceOnly == 1) w.Attribute(u"xml:space", u"preserve");
  w.Attribute(u"mathfamily", FaceText(node.m_fontProps.m_szFontFamily));
  w.Attribute(u"mathsize", HalfPointsText(Magnitude(node.m_fontProps.m_nFontSize)));
  if (const char16_t* variant = VariantName(node.m_fontProps)) w.Attribute(u"mathvariant", variant);
  if (node.m_colorProps.m_crColor != 0) w.Attribute(u"mathcolor", ColorToName(node.m_colorProps.m_crColor));
  if (node.m_borderProps.m_crBackground != kNoBackground)
    w.Attribute(u"mathbackground", ColorToName(node.m_borderProps.m_crBackground));
  WriteUnderline(w, node.m_charProps);
  auto* op = dynamic_cast<const CMathMLOperator*>(&node);
  if (op && op->m_nStretchy != 0) w.Attribute(u"stretchy", u"true");
  WriteNumbering(w, node.m_kasenProps);
  w.Text(node.m_strText);
}

void WriteSideLine(ELEMENT_WRITER& w, const CMathMLNode& node) {
  const CBorderPaddingBackgroundProperties& border = node.m_borderProps;
  if (border.m_nBorderAfterStyle == LS_NONE) return;
  if (const char16_t* style = KeywordOf(g_LineStyleKeywords, border.m_nBorderAfterStyle))
    w.Attribute(u"border-after-style", style);
  if (border.m_nBorderAfterWidth == 3) w.Attribute(u"border-after-width", u"thick");
  WriteNumbering(w, node.m_kasenProps);
}

const char16_t* ColumnAlignName(LONG align) {
  if (align == CBlockLineRelatedProperties::AlignLeft) return u"left";
  return align == CBlockLineRelatedProperties::AlignRight ? u"right" : u"center";
}

void WriteOwnAttributes(ELEMENT_WRITER& w, const CMathMLNode& node) {
  switch (node.m_nType) {
    case XE_MATH:
    case XE_MROW:
      if (node.m_nContext == 2) w.Attribute(u"qvtype", u"cyukai");
      break;
    case XE_MFRAC:
      if (auto* frac = dynamic_cast<const CMathMLFrac*>(&node); frac && frac->m_bBevelled != 0)
        w.Attribute(u"bevelled", u"true");
      break;
    case XE_MFENCED:
      if (auto* fenced = dynamic_cast<const CMathMLFenced*>(&node)) {
        w.Attribute(u"open", fenced->m_strOpen);
        w.Attribute(u"close", fenced->m_strClose);
      }
      break;
    case XE_MTABLE:
      if (node.m_borderProps.m_nBorderStyle == LS_SOLID) w.Attribute(u"frame", u"solid");
      if (node.m_lineProps.m_nTextAlign != CBlockLineRelatedProperties::AlignCenter)
        w.Attribute(u"columnalign", ColumnAlignName(node.m_lineProps.m_nTextAlign));
      break;
    default:
      break;
  }
}

// A child that is no MathML node or has no element name is left out.
BOOL WriteChild(ELEMENT_WRITER& w, CQVXMLNode* child) {
  if (!dynamic_cast<CMathMLNode*>(child)) return FALSE;
  CStringW name = ElementNameFromCode(int(child->m_nType));
  if (name.IsEmpty()) return FALSE;
  try {
    CDomNode element = w.target.element.appendChild(w.target.document.createElement(name.str()));
    return WriteDomAttributes(child, DOM_TARGET{w.target.document, element});
  } catch (...) {
    return FALSE;
  }
}

void WriteChildren(ELEMENT_WRITER& w, const CMathMLNode& node) {
  for (CQVXMLNode* child : node.m_arrChildren) {
    if (child && !WriteChild(w, child)) w.bComplete = FALSE;
  }
}

}  // namespace

BOOL WriteDomAttributes(CQVXMLNode* node, DOM_TARGET target) {
  auto* math = dynamic_cast<CMathMLNode*>(node);
  if (!math || !target.element) return FALSE;
  ELEMENT_WRITER w{std::move(target)};
  if (IsToken(math->m_nType)) {
    WriteToken(w, *math);
    return w.bComplete;
  }
  WriteSideLine(w, *math);
  WriteOwnAttributes(w, *math);
  WriteChildren(w, *math);
  return w.bComplete;
}
