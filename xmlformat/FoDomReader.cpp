#include "xmlformat/FoDomReader.h"

#include <memory>

#include "model/AttributeReader.h"
#include "model/NodeFactory.h"
#include "model/XmlElementTable.h"
#include "platform/DomException.h"
#include "platform/DomNamedNodeMap.h"
#include "platform/DomNodeList.h"

namespace {

constexpr int kXslOrFoBit = 0x400;

// This product neither writes nor reads the horizontal hatch as a background image.
bool IsSkippedAttribute(const std::u16string& name, const std::u16string& value) {
  return name == u"background-image" && value == u"horizontal";
}

void ReadAttributes(CQVXMLNode* node, const CDomNode& element) {
  CDomNamedNodeMap attributes = element.attributes();
  if (!attributes) return;
  for (LONG i = 0; i < attributes.length(); ++i) {
    CDomNode attribute = attributes.item(i);
    if (attribute.nodeType() != NODE_ATTRIBUTE) continue;
    std::u16string name = attribute.nodeName();
    std::u16string value = attribute.nodeValue();
    if (IsSkippedAttribute(name, value)) continue;
    SetAttribute(node, CStringW(name), CStringW(value));
  }
}

void ReadChildElement(CQVXMLNode* node, const CDomNode& child, int depth) {
  std::unique_ptr<CQVXMLNode> created(CreateNode(ElementCodeFromName(CStringW(child.nodeName()))));
  if (!created) return;  // not modelled: dropped with its subtree
  ReadFoNodeAttributes(created.get(), child, depth + 1);
  node->AppendChild(created.release());
}

}  // namespace

void ReadFoNodeAttributes(CQVXMLNode* node, const CDomNode& element, int depth) {
  if (depth >= kMaxFoNodeDepth) throw CDomException(DOM_E_INVALIDARG, u"The elements are nested too deep.");
  ReadAttributes(node, element);
  CDomNodeList children = element.childNodes();
  std::u16string text;
  bool hasText = false;
  for (LONG i = 0; i < children.length(); ++i) {
    CDomNode child = children.item(i);
    switch (child.nodeType()) {
      case NODE_ELEMENT:
        ReadChildElement(node, child, depth);
        break;
      case NODE_TEXT:
      case NODE_CDATA_SECTION:
        // Text split into several sections is kept whole, in order.
        text += child.nodeValue();
        hasText = true;
        break;
      default:
        break;
    }
  }
  if (hasText) node->SetText(CStringW(text));
}

CQVXMLNode* CreateFoNodeFromDom(const CDomNode& element) {
  try {
    int code = ElementCodeFromName(CStringW(element.nodeName()));
    if (!(code & kXslOrFoBit)) return nullptr;
    std::unique_ptr<CQVXMLNode> node(CreateNode(code));
    if (!node) return nullptr;
    ReadFoNodeAttributes(node.get(), element);
    return node.release();
  } catch (...) {
    return nullptr;
  }
}
