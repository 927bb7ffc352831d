#include "math/MathMLImport.h"

#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "math/EditFenced.h"
#include "math/EditFrac.h"
#include "math/EditIntegral.h"
#include "math/EditIntegralSub.h"
#include "math/EditIntegralSubsup.h"
#include "math/EditLongdiv.h"
#include "math/EditMathCR.h"
#include "math/EditMathChar.h"
#include "math/EditMathCyukai.h"
#include "math/EditMatrix.h"
#include "math/EditMulti.h"
#include "math/EditOPresubSub.h"
#include "math/EditOUnderover.h"
#include "math/EditOver.h"
#include "math/EditOver2.h"
#include "math/EditPresub.h"
#include "math/EditPresubPresup.h"
#include "math/EditPresubSub.h"
#include "math/EditPresuper.h"
#include "math/EditRoot.h"
#include "math/EditSigma.h"
#include "math/EditSigmaSub.h"
#include "math/EditSigmaSubsup.h"
#include "math/EditSigmaUnder.h"
#include "math/EditSigmaUnderover.h"
#include "math/EditSqrt.h"
#include "math/EditSub.h"
#include "math/EditSubsup.h"
#include "math/EditSuper.h"
#include "math/EditUnder.h"
#include "math/EditUnder2.h"
#include "math/EditUnderover.h"
#include "math/EditUnderover2.h"
#include "model/AttributeReader.h"
#include "model/MathMLLayoutElements.h"
#include "model/MathMLTableElements.h"
#include "model/MathMLTokenElements.h"
#include "model/NodeFactory.h"
#include "model/XmlElementTable.h"
#include "platform/DomNamedNodeMap.h"
#include "platform/DomNode.h"
#include "platform/DomNodeList.h"

namespace {

const CStringW kIntegralText(u"\u222B");
const CStringW kSigmaText(u"\u03A3");

bool IsToken(const CQVXMLNode* n) {
  return n && (n->m_nType == XE_MI || n->m_nType == XE_MN || n->m_nType == XE_MO || n->m_nType == XE_MTEXT);
}

bool IsStretchableMark(char16_t c) {
  switch (c) {
    case 0xFFE3: case 0x2192: case 0x2190: case 0x2322: case 0xFE35: case 0x2194: case 0xFE37: case 0xFE38:
      return true;
    default:
      return false;
  }
}

bool IsOperatorWithTexts(char16_t c) {
  return IsStretchableMark(c) || c == 0x21C4 || c == 0xFE36 || c == 0xF576 || c == 0xF577 || c == 0xF578;
}

// The child itself when it has no children, else its first child.
CQVXMLNode* FirstToken(CQVXMLNode* pChild) {
  if (!pChild) return nullptr;
  return pChild->GetChildCount() == 0 ? pChild : pChild->GetFirstChild();
}

bool FirstTokenIs(CQVXMLNode* pChild, const CStringW& text) {
  CQVXMLNode* token = FirstToken(pChild);
  return IsToken(token) && token->m_strText == text;
}

// One character of the set, in a token.
template <class Set>
bool FirstTokenIsOneOf(CQVXMLNode* pChild, Set inSet) {
  CQVXMLNode* token = FirstToken(pChild);
  return IsToken(token) && token->m_strText.GetLength() == 1 && inSet(token->m_strText[0]);
}

template <class N>
N* Append(CEditNode* pTarget, N* pNode) {
  std::unique_ptr<N> owned(pNode);
  if (pTarget->AppendChild(pNode) < 0) throw std::bad_alloc();
  return owned.release();
}

void TakeToken(CEditMathChar& glyph, CQVXMLNode* pChild) {
  auto* token = dynamic_cast<CMathMLToken*>(FirstToken(pChild));
  if (!token) return;
  glyph.SetText(token->m_strText);
  glyph.ReadTokenAttributes(token);
}

class CConverter {
 public:
  explicit CConverter(int nDepth) : m_nDepth(nDepth) {}

  CMathMLToken* Convert(CQVXMLNode* n, CEditNode* target);
  void SizeEmptySlots();

 private:
  template <class E>
  E* New(CQVXMLNode* n, CEditNode* target) {
    E* element = Append(target, new E());
    if (auto* ml = dynamic_cast<CMathMLNode*>(n); ml && ml->m_borderProps.m_nBorderAfterStyle != LS_NONE) {
      element->m_nBorderAfterStyle = ml->m_borderProps.m_nBorderAfterStyle;
      element->m_nBorderAfterWidth = ml->m_borderProps.m_nBorderAfterWidth;
    }
    CopyMathStyle(element, n);
    if constexpr (std::is_base_of_v<CEditMathElement, E>) m_pElement = element;
    return element;
  }
  // Converts the node into the element and closes the slot with a slot end.
  void Slot(CQVXMLNode* n, CEditNode* element) {
    CMathMLToken* last = n ? ConvertMathMLToNodes(n, element, m_nDepth + 1) : nullptr;
    auto* end = Append(element, new CEditMathCR());
    if (last) end->ReadTokenAttributes(last);
  }
  CMathMLToken* Row(CQVXMLNode* n, CEditNode* target);
  CMathMLToken* Token(CQVXMLNode* n, CEditNode* target);
  void Scripts(CQVXMLNode* n, CEditNode* target);
  void UnderOver(CQVXMLNode* n, CEditNode* target);
  void Multiscripts(CQVXMLNode* n, CEditNode* target);
  void Table(CQVXMLNode* n, CEditNode* target);

  int m_nDepth;
  CEditMathElement* m_pElement = nullptr;
};

// Inside an in-text answer every element carries the answer's mark: only the outermost one
// opens an answer, so that reading and saving again never nests answers deeper.
bool LiesInAnswer(const CQVXMLNode* node) {
  for (; node; node = node->GetParent())
    if (node->m_nType & NT_ANNOTATION) return true;
  return false;
}

CMathMLToken* CConverter::Row(CQVXMLNode* n, CEditNode* target) {
  if (n->m_nContext == 2 && !LiesInAnswer(target)) {
    auto* answer = Append(target, new CEditMathCyukai());
    CMathMLToken* last = nullptr;
    for (CQVXMLNode* child : n->m_arrChildren)
      if (CMathMLToken* token = ConvertMathMLToNodes(child, answer, m_nDepth + 1)) last = token;
    if (n->GetChildCount() > 0) {
      auto* end = Append(answer, new CEditMathCR());
      if (last) end->ReadTokenAttributes(last);
    }
    return last;
  }
  CMathMLToken* last = nullptr;
  for (CQVXMLNode* child : n->m_arrChildren)
    if (CMathMLToken* token = ConvertMathMLToNodes(child, target, m_nDepth + 1)) last = token;
  return last;
}

CMathMLToken* CConverter::Token(CQVXMLNode* n, CEditNode* target) {
  auto* token = dynamic_cast<CMathMLToken*>(n);
  if (!token) return nullptr;
  if (token->m_strText == kIntegralText) {
    Append(target, new CEditIntegral())->ReadTokenAttributes(token);
    return nullptr;
  }
  if (token->m_strText == kSigmaText) {
    Append(target, new CEditSigma())->ReadTokenAttributes(token);
    return nullptr;
  }
  for (int i = 0; i < token->m_strText.GetLength(); ++i)
    Append(target, new CEditMathChar(token->m_strText[i]))->ReadTokenAttributes(token);
  return token;
}

void CConverter::Scripts(CQVXMLNode* n, CEditNode* target) {
  CQVXMLNode* c0 = n->GetChildAt(0);
  CQVXMLNode* c1 = n->GetChildAt(1);
  CQVXMLNode* c2 = n->GetChildAt(2);
  if (n->m_nType == XE_MSUP) {
    if (!c1) return;
    auto* e = New<CEditSuper>(n, target);
    Slot(c0, e);
    Slot(c1, e);
  } else if (n->m_nType == XE_MSUB) {
    if (!c1) return;
    if (FirstTokenIs(c0, kIntegralText)) {
      auto* e = New<CEditIntegralSub>(n, target);
      TakeToken(e->m_glyph, c0);
      Slot(c1, e);
    } else if (FirstTokenIs(c0, kSigmaText)) {
      auto* e = New<CEditSigmaSub>(n, target);
      TakeToken(e->m_sign, c0);
      Slot(c1, e);
    } else {
      auto* e = New<CEditSub>(n, target);
      Slot(c0, e);
      Slot(c1, e);
    }
  } else {
    if (!c2) return;
    if (FirstTokenIs(c0, kIntegralText)) {
      auto* e = New<CEditIntegralSubsup>(n, target);
      TakeToken(e->m_glyph, c0);
      Slot(c2, e);
      Slot(c1, e);
    } else if (FirstTokenIs(c0, kSigmaText)) {
      auto* e = New<CEditSigmaSubsup>(n, target);
      TakeToken(e->m_sign, c0);
      Slot(c2, e);
      Slot(c1, e);
    } else {
      auto* e = New<CEditSubsup>(n, target);
      Slot(c0, e);
      Slot(c2, e);
      Slot(c1, e);
    }
  }
}

void CConverter::UnderOver(CQVXMLNode* n, CEditNode* target) {
  CQVXMLNode* c0 = n->GetChildAt(0);
  CQVXMLNode* c1 = n->GetChildAt(1);
  CQVXMLNode* c2 = n->GetChildAt(2);
  if (n->m_nType == XE_MUNDER) {
    if (!c1) return;
    if (FirstTokenIs(c0, kSigmaText)) {
      auto* e = New<CEditSigmaUnder>(n, target);
      TakeToken(e->m_sign, c0);
      Slot(c1, e);
    } else if (FirstTokenIsOneOf(c1, IsStretchableMark)) {
      auto* e = New<CEditUnder2>(n, target);
      Slot(c0, e);
      TakeToken(e->m_under, c1);
    } else {
      auto* e = New<CEditUnder>(n, target);
      Slot(c0, e);
      Slot(c1, e);
    }
  } else if (n->m_nType == XE_MOVER) {
    if (!c1) return;
    if (FirstTokenIsOneOf(c1, IsStretchableMark)) {
      auto* e = New<CEditOver2>(n, target);
      TakeToken(e->m_over, c1);
      Slot(c0, e);
    } else {
      auto* e = New<CEditOver>(n, target);
      Slot(c1, e);
      Slot(c0, e);
    }
  } else {
    if (!c2) return;
    if (FirstTokenIs(c0, kSigmaText)) {
      auto* e = New<CEditSigmaUnderover>(n, target);
      Slot(c2, e);
      TakeToken(e->m_sign, c0);
      Slot(c1, e);
    } else if (FirstTokenIsOneOf(c0, IsOperatorWithTexts)) {
      auto* e = New<CEditOUnderover>(n, target);
      Slot(c2, e);
      TakeToken(e->m_operator, c0);
      Slot(c1, e);
    } else if (FirstTokenIsOneOf(c2, IsStretchableMark) && FirstTokenIsOneOf(c1, IsStretchableMark)) {
      auto* e = New<CEditUnderover2>(n, target);
      TakeToken(e->m_over, c2);
      Slot(c0, e);
      TakeToken(e->m_under, c1);
    } else {
      auto* e = New<CEditUnderover>(n, target);
      Slot(c2, e);
      Slot(c0, e);
      Slot(c1, e);
    }
  }
}

void CConverter::Multiscripts(CQVXMLNode* n, CEditNode* target) {
  auto isNone = [](CQVXMLNode* x) { return x && x->m_nType == XE_MNONE; };
  if (n->GetChildCount() == 2) {
    CQVXMLNode* pre = n->GetChildAt(1);
    if (!pre || pre->GetChildCount() < 2) return;
    CQVXMLNode* p0 = pre->GetChildAt(0);
    CQVXMLNode* p1 = pre->GetChildAt(1);
    if (!isNone(p0) && isNone(p1)) {
      auto* e = New<CEditPresub>(n, target);
      Slot(p0, e);
      Slot(n->GetChildAt(0), e);
    } else if (isNone(p0) && !isNone(p1)) {
      auto* e = New<CEditPresuper>(n, target);
      Slot(p1, e);
      Slot(n->GetChildAt(0), e);
    } else if (!isNone(p0) && !isNone(p1)) {
      auto* e = New<CEditPresubPresup>(n, target);
      Slot(p1, e);
      Slot(p0, e);
      Slot(n->GetChildAt(0), e);
    }
    return;
  }
  if (n->GetChildCount() != 4) return;
  CQVXMLNode* pre = n->GetChildAt(3);
  if (!pre || pre->GetChildCount() < 2) return;
  CQVXMLNode* c0 = n->GetChildAt(0);
  CQVXMLNode* c1 = n->GetChildAt(1);
  CQVXMLNode* c2 = n->GetChildAt(2);
  CQVXMLNode* p0 = pre->GetChildAt(0);
  CQVXMLNode* p1 = pre->GetChildAt(1);
  if (!isNone(c1) && !isNone(p0) && isNone(c2) && isNone(p1)) {
    if (FirstTokenIs(c0, CStringW(u"C")) || FirstTokenIs(c0, CStringW(u"P"))) {
      auto* e = New<CEditOPresubSub>(n, target);
      Slot(p0, e);
      TakeToken(e->m_operator, c0);
      Slot(c1, e);
    } else {
      auto* e = New<CEditPresubSub>(n, target);
      Slot(p0, e);
      Slot(c0, e);
      Slot(c1, e);
    }
  } else if (!isNone(c1) && !isNone(c2) && !isNone(p0) && !isNone(p1)) {
    auto* e = New<CEditMulti>(n, target);
    Slot(p1, e);
    Slot(p0, e);
    Slot(c0, e);
    Slot(c2, e);
    Slot(c1, e);
  }
}

void CConverter::Table(CQVXMLNode* n, CEditNode* target) {
  if (n->GetChildCount() < 1) return;
  auto* e = New<CEditMatrix>(n, target);
  e->m_nRows = n->GetChildCount();
  if (auto* table = dynamic_cast<CMathMLTable*>(n)) {
    if (table->m_borderProps.m_nBorderStyle == 1) {
      e->m_nBorderStyle = 1;
      e->m_nBorderWidth = table->m_borderProps.m_nBorderWidth;
    }
    e->m_nTextAlign = table->m_lineProps.m_nTextAlign;
  }
  for (CQVXMLNode* row : n->m_arrChildren) {
    for (CQVXMLNode* cell : row->m_arrChildren) Slot(cell, e);
    e->m_nColumns = row->GetChildCount();
  }
}

CMathMLToken* CConverter::Convert(CQVXMLNode* n, CEditNode* target) {
  switch (n->m_nType) {
    case XE_MATH:
    case XE_MTD:
    case XE_MROW:
      return Row(n, target);
    case XE_MI:
    case XE_MN:
    case XE_MO:
    case XE_MTEXT:
      return Token(n, target);
    case XE_MFRAC:
      if (n->GetChildCount() >= 2) {
        auto* e = New<CEditFrac>(n, target);
        if (auto* frac = dynamic_cast<CMathMLFrac*>(n)) e->m_bSideBySide = frac->m_bBevelled;
        Slot(n->GetChildAt(0), e);
        Slot(n->GetChildAt(1), e);
      }
      return nullptr;
    case XE_MSQRT:
      if (n->GetChildCount() >= 1) Slot(n->GetChildAt(0), New<CEditSqrt>(n, target));
      return nullptr;
    case XE_MROOT:
      if (n->GetChildCount() >= 2) {
        auto* e = New<CEditRoot>(n, target);
        Slot(n->GetChildAt(1), e);
        Slot(n->GetChildAt(0), e);
      }
      return nullptr;
    case XE_MFENCED: {
      auto* e = New<CEditFenced>(n, target);
      if (auto* fenced = dynamic_cast<CMathMLFenced*>(n)) {
        e->m_open.SetText(fenced->m_strOpen);
        e->m_close.SetText(fenced->m_strClose);
      }
      if (n->GetChildCount() > 0) {
        CMathMLToken* last = nullptr;
        for (CQVXMLNode* child : n->m_arrChildren)
          if (CMathMLToken* token = ConvertMathMLToNodes(child, e, m_nDepth + 1)) last = token;
        auto* end = Append(e, new CEditMathCR());
        if (last) end->ReadTokenAttributes(last);
      }
      return nullptr;
    }
    case XE_MENCLOSE:
      if (n->GetChildCount() >= 1) Slot(n->GetChildAt(0), New<CEditLongdiv>(n, target));
      return nullptr;
    case XE_MSUB:
    case XE_MSUP:
    case XE_MSUBSUP:
      Scripts(n, target);
      return nullptr;
    case XE_MUNDER:
    case XE_MOVER:
    case XE_MUNDEROVER:
      UnderOver(n, target);
      return nullptr;
    case XE_MMULTISCRIPTS:
      Multiscripts(n, target);
      return nullptr;
    case XE_MTABLE:
      Table(n, target);
      return nullptr;
    default:
      return nullptr;
  }
}

// MathML keeps no size for an empty slot, so its end takes the size its position gives, as
// the slots of a new element do: from the first full-size slot that holds something, else
// from the element.
void CConverter::SizeEmptySlots() {
  if (!m_pElement) return;
  std::vector<std::pair<CEditNode*, bool>> ends;  // each slot's end, and whether the slot is empty
  bool atSlotStart = true;
  for (int i = 0; i < m_pElement->GetChildCount(); ++i) {
    CEditNode* child = m_pElement->GetEditChildAt(i);
    const bool isEnd = child && (child->m_nType & NT_LINEBREAK);
    if (isEnd) ends.emplace_back(child, atSlotStart);
    atSlotStart = isEnd;
  }
  LONG lfFullHeight = m_pElement->m_lf.lfHeight;
  for (size_t slot = 0; slot < ends.size(); ++slot) {
    if (ends[slot].second || m_pElement->IsScriptSlot(int(slot))) continue;
    lfFullHeight = ends[slot].first->m_lf.lfHeight;
    break;
  }
  for (size_t slot = 0; slot < ends.size(); ++slot)
    if (ends[slot].second)
      ends[slot].first->m_lf.lfHeight =
          m_pElement->IsScriptSlot(int(slot)) ? CEditMathContainer::ScriptHeight(lfFullHeight) : lfFullHeight;
}

}  // namespace

CMathMLToken* ConvertMathMLToNodes(CQVXMLNode* pMathML, CEditNode* pTarget, int nDepth) {
  if (!pMathML || !pTarget) return nullptr;
  if (nDepth > kMaxMathMLDepth) throw CMathMLTooDeep{};
  CConverter converter(nDepth);
  CMathMLToken* last = converter.Convert(pMathML, pTarget);
  converter.SizeEmptySlots();
  return last;
}

void CopyMathStyle(CEditNode* pElement, const CQVXMLNode* pMathML) {
  auto* source = dynamic_cast<const CMathMLNode*>(pMathML);
  if (!pElement || !source) return;
  pElement->CFontProperties::Copy(source->m_fontProps);
  pElement->CColorRelatedProperties::Copy(source->m_colorProps);
  pElement->CBorderPaddingBackgroundProperties::Copy(source->m_borderProps);
  pElement->CCharacterProperties::Copy(source->m_charProps);
  pElement->CKasenRenbanProperties::Copy(source->m_kasenProps);
}

void LoadXmlNodeTree(CQVXMLNode* pTarget, const CDomNode& element, int nDepth) {
  if (!pTarget || !element) throw std::invalid_argument("no element");
  if (nDepth > kMaxMathMLDepth) throw CMathMLTooDeep{};
  CDomNamedNodeMap attributes = element.attributes();
  for (LONG i = 0; attributes && i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    if (attribute.nodeType() == NODE_ATTRIBUTE)
      SetAttribute(pTarget, CStringW(attribute.nodeName()), CStringW(attribute.nodeValue()));
  }
  CDomNodeList children = element.childNodes();
  std::u16string text;
  bool hasText = false;
  for (LONG i = 0; i < children.length(); ++i) {
    CDomNode child = children.item(i);
    if (child.nodeType() == NODE_ELEMENT) {
      std::unique_ptr<CQVXMLNode> node(CreateNode(ElementCodeFromName(CStringW(child.nodeName()))));
      if (!node) continue;
      LoadXmlNodeTree(node.get(), child, nDepth + 1);
      if (pTarget->AppendChild(node.get()) < 0) throw std::bad_alloc();
      node.release();
    } else if (child.nodeType() == NODE_TEXT || child.nodeType() == NODE_CDATA_SECTION) {
      // Split text is kept whole, in order.
      text += child.nodeValue();
      hasText = true;
    }
  }
  if (hasText) pTarget->SetText(CStringW(text));
}
