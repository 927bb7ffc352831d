#include "xmlformat/FoWriterSupport.h"

#include <algorithm>

#include "model/XmlElementTable.h"

void FoSetDomAttribute(CDomDocument document, const CDomNode& element, const char16_t* name, const CStringW& value) {
  CDomNode attribute = document.createAttribute(name);
  attribute.put_nodeValue(value.str());
  element.attributes().setNamedItem(attribute);
}

CDomNode FoAppendDomElement(CDomDocument document, const CDomNode& parent, const CStringW& name) {
  CDomNode element = document.createElement(name.str());
  return CDomNode(parent).appendChild(element);
}

CDomNode FoAppendChildElement(const FO_WRITE_CONTEXT& c, const CQVXMLNode& child) {
  return FoAppendElement(c, c.element, ElementNameFromCode(int(child.m_nType)));
}

void FoPutText(const FO_WRITE_CONTEXT& c, const CDomNode& element, const CStringW& text) {
  CDomNode target = element;
  if (text.FindOneOf(u"<>") >= 0)
    target.appendChild(CDomDocument(c.document).createCDATASection(text.str()));
  else
    target.put_text(text.str());
}

CStringW FoComposePath(const CStringW& path, const char16_t* name, int n) {
  CStringW composed = path;
  if (!composed.IsEmpty()) composed += u'/';
  composed += FormatPathStep(CStringW(name), n);
  return composed;
}

void FoWriteChildren(const FO_WRITE_CONTEXT& c, std::span<const FO_CHILD_WRITER> table, FoUnlisted unlisted) {
  for (CQVXMLNode* child : c.node->m_arrChildren) {
    if (!child) continue;
    auto entry = std::find_if(table.begin(), table.end(),
                              [child](const FO_CHILD_WRITER& e) { return DWORD(e.nCode) == child->m_nType; });
    bool listed = entry != table.end();
    if (!listed && unlisted == FoUnlisted::Skipped) continue;
    CDomNode element = FoAppendChildElement(c, *child);
    if (listed) FoRequire(entry->pfnWrite(c.ForChild(child, element)));
  }
}

void FoNoteFailure(const FO_WRITE_CONTEXT& c, const CDomException& failure) {
  if (c.pFailure && c.pFailure->IsEmpty()) *c.pFailure = CStringW(failure.Description());
}
