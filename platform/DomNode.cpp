#include "platform/DomNode.h"

#include <libxml/tree.h>

#include <new>
#include <utility>

#include "platform/DomEncoding.h"
#include "platform/DomException.h"
#include "platform/DomNamedNodeMap.h"
#include "platform/DomNodeList.h"
#include "platform/DomOwner.h"
#include "platform/DomSelect.h"
#include "platform/DomTransform.h"
#include "platform/DomTree.h"

namespace {

std::u16string AttributeValue(xmlNode* attribute) {
  xmlChar* value = xmlNodeListGetString(attribute->doc, attribute->children, 1);
  std::u16string result = Utf8ToUtf16(value);
  xmlFree(value);
  return result;
}

bool HoldsChildren(const xmlNode* node) {
  return node->type == XML_ELEMENT_NODE || node->type == XML_DOCUMENT_NODE || node->type == XML_DOCUMENT_FRAG_NODE;
}

bool HasContent(const xmlNode* node) {
  return node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE || node->type == XML_COMMENT_NODE ||
         node->type == XML_PI_NODE;
}

[[noreturn]] void ThrowInvalid(std::u16string description) {
  throw CDomException(DOM_E_INVALIDARG, std::move(description));
}

// Text that would not read back as the same node is refused rather than written.
void CheckContent(const xmlNode* node, std::u16string_view value) {
  if (!IsXmlText(value)) ThrowInvalid(u"The text holds a character that XML does not allow.");
  bool breaks = (node->type == XML_COMMENT_NODE && (value.find(u"--") != value.npos || value.ends_with(u'-'))) ||
                (node->type == XML_PI_NODE && value.find(u"?>") != value.npos);
  if (breaks) ThrowInvalid(u"The text would end the node early.");
}

void SetAttributeValue(xmlNode* attribute, std::u16string_view value) {
  xmlNode* text = xmlNewDocText(attribute->doc, BAD_CAST Utf16ToUtf8(value).c_str());
  if (!text) throw std::bad_alloc();
  auto* attr = reinterpret_cast<xmlAttr*>(attribute);
  if (attr->atype == XML_ATTRIBUTE_ID) {
    // The ID table is keyed by the old value; leaving it would point at a stale value.
    xmlRemoveID(attr->doc, attr);
    attr->atype = XML_ATTRIBUTE_CDATA;
  }
  // The children of attributes are never handed out, so they can go at once.
  xmlFreeNodeList(attribute->children);
  attribute->children = attribute->last = text;
  text->parent = attribute;
}

DOMNodeType TypeOf(const xmlNode* node) {
  switch (node->type) {
    case XML_ELEMENT_NODE: return NODE_ELEMENT;
    case XML_ATTRIBUTE_NODE: return NODE_ATTRIBUTE;
    case XML_TEXT_NODE: return NODE_TEXT;
    case XML_CDATA_SECTION_NODE: return NODE_CDATA_SECTION;
    case XML_ENTITY_REF_NODE: return NODE_ENTITY_REFERENCE;
    case XML_ENTITY_NODE:
    case XML_ENTITY_DECL: return NODE_ENTITY;
    case XML_PI_NODE: return NODE_PROCESSING_INSTRUCTION;
    case XML_COMMENT_NODE: return NODE_COMMENT;
    case XML_DOCUMENT_NODE: return NODE_DOCUMENT;
    case XML_DOCUMENT_TYPE_NODE:
    case XML_DTD_NODE: return NODE_DOCUMENT_TYPE;
    case XML_DOCUMENT_FRAG_NODE: return NODE_DOCUMENT_FRAGMENT;
    case XML_NOTATION_NODE: return NODE_NOTATION;
    default: return NODE_INVALID;
  }
}

}  // namespace

CDomNode::CDomNode(std::shared_ptr<CDomOwner> owner, xmlNode* node) : m_owner(std::move(owner)), m_node(node) {
  if (m_node) m_owner->AddHandle(m_node);
}

CDomNode::CDomNode(const CDomNode& other) : m_owner(other.m_owner), m_node(other.m_node) {
  if (m_node) m_owner->AddHandle(m_node);
}

CDomNode::CDomNode(CDomNode&& other) noexcept
    : m_owner(std::move(other.m_owner)), m_node(std::exchange(other.m_node, nullptr)) {}

CDomNode& CDomNode::operator=(CDomNode other) noexcept {
  std::swap(m_owner, other.m_owner);
  std::swap(m_node, other.m_node);
  return *this;
}

CDomNode::~CDomNode() {
  if (m_node) m_owner->ReleaseHandle(m_node);
}

xmlNode* CDomNode::Raw() const {
  if (!m_node) throw CDomException(DOM_E_POINTER, u"The node is null.");
  return m_node;
}

DOMNodeType CDomNode::nodeType() const { return TypeOf(Raw()); }

std::u16string CDomNode::nodeName() const {
  xmlNode* node = Raw();
  switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE: return Utf8ToUtf16(QualifiedName(node));
    case XML_TEXT_NODE: return u"#text";
    case XML_CDATA_SECTION_NODE: return u"#cdata-section";
    case XML_COMMENT_NODE: return u"#comment";
    case XML_DOCUMENT_NODE: return u"#document";
    case XML_DOCUMENT_FRAG_NODE: return u"#document-fragment";
    default: return Utf8ToUtf16(node->name);
  }
}

std::u16string CDomNode::nodeValue() const {
  xmlNode* node = Raw();
  if (node->type == XML_ATTRIBUTE_NODE) return AttributeValue(node);
  return HasContent(node) ? Utf8ToUtf16(node->content) : std::u16string();
}

void CDomNode::put_nodeValue(std::u16string_view value) {
  xmlNode* node = Raw();
  if (node->type != XML_ATTRIBUTE_NODE && !HasContent(node))
    ThrowInvalid(u"This kind of node has no value: " + nodeName());
  ReplaceContent(value);
}

std::u16string CDomNode::text() const {
  xmlNode* node = Raw();
  if (node->type == XML_ATTRIBUTE_NODE) return AttributeValue(node);
  if (HasContent(node)) return Utf8ToUtf16(node->content);
  return Utf8ToUtf16(CollectText(node));
}

void CDomNode::put_text(std::u16string_view text) {
  xmlNode* node = Raw();
  if (node->type != XML_ELEMENT_NODE) return put_nodeValue(text);
  CheckContent(node, text);
  xmlNode* replacement = text.empty() ? nullptr : xmlNewDocText(node->doc, BAD_CAST Utf16ToUtf8(text).c_str());
  if (!text.empty() && !replacement) throw std::bad_alloc();
  while (node->children) m_owner->Detach(node->children);
  if (replacement) LinkChild(node, replacement, nullptr);
}

void CDomNode::ReplaceContent(std::u16string_view value) {
  xmlNode* node = Raw();
  CheckContent(node, value);
  if (node->type == XML_ATTRIBUTE_NODE) return SetAttributeValue(node, value);
  xmlNodeSetContent(node, BAD_CAST Utf16ToUtf8(value).c_str());
}

CDomNodeList CDomNode::childNodes() const {
  xmlNode* node = Raw();
  std::vector<CDomNode> children;
  if (HoldsChildren(node))
    for (xmlNode* child = node->children; child; child = child->next) children.emplace_back(CDomNode(m_owner, child));
  return CDomNodeList(std::move(children));
}

CDomNamedNodeMap CDomNode::attributes() const {
  return Raw()->type == XML_ELEMENT_NODE ? CDomNamedNodeMap(*this) : CDomNamedNodeMap();
}

CDomNode CDomNode::appendChild(const CDomNode& newChild) { return Insert(newChild, nullptr); }

CDomNode CDomNode::insertBefore(const CDomNode& newChild, const CDomNode& refChild) {
  xmlNode* before = refChild ? refChild.Raw() : nullptr;
  if (before && (before->parent != Raw() || before->type == XML_ATTRIBUTE_NODE))
    ThrowInvalid(u"The reference node is not a child of this node.");
  return Insert(newChild, before);
}

CDomNode CDomNode::removeChild(const CDomNode& child) {
  xmlNode* node = child.Raw();
  if (node->parent != Raw() || node->type == XML_ATTRIBUTE_NODE) ThrowInvalid(u"The node is not a child of this node.");
  m_owner->Detach(node);
  return child;
}

void CDomNode::CheckCanHoldChild(xmlNode* child) const {
  xmlNode* parent = Raw();
  bool movable = child->type == XML_ELEMENT_NODE || child->type == XML_TEXT_NODE ||
                 child->type == XML_CDATA_SECTION_NODE || child->type == XML_COMMENT_NODE ||
                 child->type == XML_PI_NODE || child->type == XML_ENTITY_REF_NODE;
  if (!HoldsChildren(parent) || !movable) ThrowInvalid(u"This node cannot be inserted here.");
  if (parent->type != XML_DOCUMENT_NODE) return;
  if (child->type != XML_ELEMENT_NODE && child->type != XML_COMMENT_NODE && child->type != XML_PI_NODE)
    ThrowInvalid(u"A document holds no text.");
  xmlNode* root = xmlDocGetRootElement(parent->doc);
  if (child->type == XML_ELEMENT_NODE && root && root != child) ThrowInvalid(u"A document holds one element only.");
}

xmlNode* CDomNode::TakeForInsertion(const CDomNode& newChild) {
  xmlNode* source = newChild.Raw();
  xmlDoc* doc = Raw()->doc;
  if (source->doc == doc) {
    if (source->parent) m_owner->Detach(source);
    m_owner->Adopt(source);
    return source;
  }
  xmlNode* copy = xmlDocCopyNode(source, doc, 1);
  if (!copy) throw std::bad_alloc();
  if (source->parent) newChild.m_owner->Detach(source);
  return copy;
}

CDomNode CDomNode::Insert(const CDomNode& newChild, xmlNode* before) {
  xmlNode* parent = Raw();
  xmlNode* source = newChild.Raw();
  CheckCanHoldChild(source);
  if (IsAncestorOrSelf(source, parent)) ThrowInvalid(u"A node cannot be inserted below itself.");
  if (source == before) return newChild;
  xmlNode* child = TakeForInsertion(newChild);
  LinkChild(parent, child, before);
  if (child->type == XML_ELEMENT_NODE) {
    ResolvePrefixes(child);
    xmlReconciliateNs(parent->doc, child);
  }
  return CDomNode(m_owner, child);
}

CDomNodeList CDomNode::selectNodes(std::u16string_view expression) const {
  xmlNode* context = Raw();
  std::vector<CDomNode> nodes;
  for (xmlNode* node : SelectDomNodes(context, expression, m_owner->SelectionNamespaces()))
    nodes.emplace_back(CDomNode(m_owner, node));
  return CDomNodeList(std::move(nodes));
}

CDomNode CDomNode::selectSingleNode(std::u16string_view expression) const { return selectNodes(expression).item(0); }

std::u16string CDomNode::transformNode(const CDomNode& stylesheet) const {
  return TransformDom(Raw(), stylesheet.Raw());
}
