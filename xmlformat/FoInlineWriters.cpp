#include "xmlformat/FoInlineWriters.h"

#include "model/FoFlowElements.h"
#include "xmlformat/FoBlockWriters.h"
#include "xmlformat/FoRunAttributes.h"
#include "xmlformat/FoValueForms.h"
#include "xmlformat/FoWriterSupport.h"

namespace {

// Context codes that formulas carry into their MathML.
constexpr int kContextCyukai = 2;
constexpr int kContextKasen = 6;

const FO_CHILD_WRITER kAnswerChildren[] = {
    {XE_FO_BLOCK, FoWriteBlock},
    {XE_FO_FLOAT, FoWriteFloat},
    {XE_FO_TABLE_AND_CAPTION, FoWriteTable},
};

const FO_CHILD_WRITER kKanbunChildren[] = {
    {XE_FO_BLOCK, FoWriteBlock},
};

// An in-text answer or numbered underline: its own data element, path step and counters.
struct DATA_SCOPE {
  int nCounter;
  const char16_t* pszElement;
  int nContext;
};

constexpr DATA_SCOPE kCyukaiScope = {FO_ID_COUNTERS::CounterCyukai, u"cyukai", kContextCyukai};
constexpr DATA_SCOPE kKasenScope = {FO_ID_COUNTERS::CounterKasen, u"kasen", kContextKasen};

void SetContext(CQVXMLNode& node, int nContext) {
  // A numbered underline inside an in-text answer stays answer text.
  if (nContext == kContextKasen && node.m_nContext == kContextCyukai) return;
  node.m_nContext = nContext;
  node.SetContextRecursive();
}

void WriteDataScope(const FO_WRITE_CONTEXT& c, int nBlockKind, const DATA_SCOPE& scope) {
  FoSetAttribute(c, u"id", c.counters->NextId(nBlockKind));
  int n = c.counters->m_anCounter[scope.nCounter];
  FO_ID_COUNTERS counters;
  FO_WRITE_CONTEXT inner = c;
  inner.dataParent = FoAppendElement(c, c.dataParent, scope.pszElement);
  inner.path = FoComposePath(c.path, scope.pszElement, n);
  inner.counters = &counters;
  SetContext(*c.node, scope.nContext);
  FoWriteChildren(inner, kAnswerChildren, FoUnlisted::ElementOnly);
}

// Kanbun blocks draw their frame line before the text, ruby after it.
void WriteSideLine(const FO_WRITE_CONTEXT& c, LONG style, LONG width, const char16_t* styleName,
                   const char16_t* widthName) {
  if (style == LS_NONE) return;
  if (const char16_t* name = LineStyleName(style)) FoSetAttribute(c, styleName, name);
  if (width == 3) FoSetAttribute(c, widthName, u"thick");
}

void WriteSpecialInline(const FO_WRITE_CONTEXT& c, CFoInlineContainer& node) {
  FoSetAttribute(c, u"id", c.counters->NextId(node.m_nBlockKind));
  const CBorderPaddingBackgroundProperties& border = node.m_borderProps;
  if (node.m_nBlockKind == BK_RUBY)
    WriteSideLine(c, border.m_nBorderAfterStyle, border.m_nBorderAfterWidth, u"border-after-style",
                  u"border-after-width");
  else
    WriteSideLine(c, border.m_nBorderBeforeStyle, border.m_nBorderBeforeWidth, u"border-before-style",
                  u"border-before-width");
  FoWriteNumbering(c, node.m_kasenProps);
  FoWriteChildren(c, kKanbunChildren, FoUnlisted::ElementOnly);
}

}  // namespace

BOOL FoWriteInlineContainer(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    auto& node = FoNodeAs<CFoInlineContainer>(c);
    switch (node.m_nBlockKind) {
      case BK_CYUKAI:
        WriteDataScope(c, BK_CYUKAI, kCyukaiScope);
        break;
      case BK_KASEN:
        WriteDataScope(c, BK_KASEN, kKasenScope);
        break;
      case BK_KANA:
      case BK_KANB:
      case BK_RUBY:
        WriteSpecialInline(c, node);
        break;
      default:
        FoWriteChildren(c, kAnswerChildren, FoUnlisted::ElementOnly);
        break;
    }
  });
}

BOOL FoWriteInline(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    auto& node = FoNodeAs<CFoInline>(c);
    int n = c.counters->Next(FO_ID_COUNTERS::CounterSp);
    CDomNode sp = CDomDocument(c.document).createElement(u"sp");
    FoPutText(c, sp, node.m_strText);
    CDomNode(c.dataParent).appendChild(sp);
    if (node.m_bSpaceOnly) {
      FoSetAttribute(c, sp, u"xml:space", u"preserve");
      FoSetAttribute(c, u"xml:space", u"preserve");
    }
    FoWriteRunAttributes(c, node);
    CDomNode valueOf = FoAppendElement(c, c.element, u"xsl:value-of");
    FoSetAttribute(c, valueOf, u"select", FoComposePath(c.path, u"sp", n));
  });
}

BOOL FoWriteExternalGraphic(const FO_WRITE_CONTEXT& c) {
  return FoGuarded(c, [&] {
    auto& node = FoNodeAs<CFoExternalGraphic>(c);
    int n = c.counters->Next(FO_ID_COUNTERS::CounterImg);
    CDomNode img = FoAppendElement(c, c.dataParent, u"img");
    FoSetAttribute(c, img, u"src", AnsiNameText(node.m_strSource.c_str()));
    FoSetAttribute(c, u"src", u"{" + FoComposePath(c.path, u"img", n) + u"/@src}");
    FoSetAttribute(c, u"width", MillimetreText(node.m_dimensionProps.m_nAreaWidth));
    FoSetAttribute(c, u"height", MillimetreText(node.m_dimensionProps.m_nAreaHeight));
  });
}
