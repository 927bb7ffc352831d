#include "platform/DomNamedNodeMap.h"

#include <libxml/tree.h>

#include <new>

#include "platform/DomException.h"
#include "platform/DomOwner.h"
#include "platform/DomTree.h"

namespace {

xmlAttr* AttributeAt(xmlNode* element, LONG index) {
  xmlAttr* attribute = element->properties;
  for (; attribute && index > 0; --index) attribute = attribute->next;
  return index == 0 ? attribute : nullptr;
}

void LinkLast(xmlNode* element, xmlAttr* attribute) {
  attribute->parent = element;
  attribute->next = nullptr;
  attribute->prev = nullptr;
  if (!element->properties) {
    element->properties = attribute;
    return;
  }
  xmlAttr* last = element->properties;
  while (last->next) last = last->next;
  last->next = attribute;
  attribute->prev = last;
}

}  // namespace

LONG CDomNamedNodeMap::length() const {
  LONG count = 0;
  for (xmlAttr* a = m_element.Raw()->properties; a; a = a->next) ++count;
  return count;
}

CDomNode CDomNamedNodeMap::item(LONG index) const {
  xmlAttr* attribute = index < 0 ? nullptr : AttributeAt(m_element.Raw(), index);
  return attribute ? CDomNode(m_element.m_owner, reinterpret_cast<xmlNode*>(attribute)) : CDomNode();
}

CDomNode CDomNamedNodeMap::setNamedItem(const CDomNode& attribute) {
  xmlNode* element = m_element.Raw();
  xmlNode* source = attribute.Raw();
  if (source->type != XML_ATTRIBUTE_NODE) throw CDomException(DOM_E_INVALIDARG, u"Only attributes can be set.");
  if (source->parent == element) return attribute;
  if (source->parent) throw CDomException(DOM_E_INVALIDARG, u"The attribute belongs to another element.");
  std::string name = QualifiedName(source);
  CDomOwner& owner = *m_element.m_owner;
  for (xmlAttr* a = element->properties; a; a = a->next) {
    if (QualifiedName(reinterpret_cast<xmlNode*>(a)) != name) continue;
    owner.Detach(reinterpret_cast<xmlNode*>(a));
    break;
  }
  xmlAttr* added = reinterpret_cast<xmlAttr*>(source);
  if (source->doc == element->doc) {
    owner.Adopt(source);
  } else {
    added = xmlCopyProp(element, added);
    if (!added) throw std::bad_alloc();
  }
  LinkLast(element, added);
  ResolveAttributePrefix(added);
  return CDomNode(m_element.m_owner, reinterpret_cast<xmlNode*>(added));
}
