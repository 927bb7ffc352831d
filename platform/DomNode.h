#pragma once
// A reference-counted handle to one node of a DOM document, shaped like the COM node
// interface. A handle keeps its document alive, and a node taken out of its tree lives
// until the last handle into it goes. Failures raise CDomException, as do calls through
// a null handle.

#include <memory>
#include <string>
#include <string_view>

typedef struct _xmlNode xmlNode;
class CDomOwner;
class CDomNodeList;
class CDomNamedNodeMap;

enum DOMNodeType {
  NODE_INVALID = 0,
  NODE_ELEMENT = 1,
  NODE_ATTRIBUTE = 2,
  NODE_TEXT = 3,
  NODE_CDATA_SECTION = 4,
  NODE_ENTITY_REFERENCE = 5,
  NODE_ENTITY = 6,
  NODE_PROCESSING_INSTRUCTION = 7,
  NODE_COMMENT = 8,
  NODE_DOCUMENT = 9,
  NODE_DOCUMENT_TYPE = 10,
  NODE_DOCUMENT_FRAGMENT = 11,
  NODE_NOTATION = 12,
};

class CDomNode {
 public:
  CDomNode() = default;
  CDomNode(const CDomNode& other);
  CDomNode(CDomNode&& other) noexcept;
  CDomNode& operator=(CDomNode other) noexcept;
  ~CDomNode();

  explicit operator bool() const { return m_node != nullptr; }
  bool operator==(const CDomNode& other) const { return m_node == other.m_node; }

  DOMNodeType nodeType() const;
  // Qualified as written ("fo:block", "xml:space"), or "#text", "#cdata-section",
  // "#comment", "#document"; a processing instruction's target.
  std::u16string nodeName() const;
  // Attributes, text, CDATA, comments and processing instructions; empty for the rest.
  std::u16string nodeValue() const;
  void put_nodeValue(std::u16string_view value);
  // An element's or document's text is that of all text and CDATA below it.
  std::u16string text() const;
  // On an element, replaces all children by one text node.
  void put_text(std::u16string_view text);

  CDomNodeList childNodes() const;
  // Null for anything but an element.
  CDomNamedNodeMap attributes() const;

  // A node of another document is copied in, and taken out of its own tree; the
  // result is the node now in this tree.
  CDomNode appendChild(const CDomNode& newChild);
  // A null refChild appends.
  CDomNode insertBefore(const CDomNode& newChild, const CDomNode& refChild);
  CDomNode removeChild(const CDomNode& child);

  // XPath 1.0 from this node, with the document's "SelectionNamespaces".
  CDomNodeList selectNodes(std::u16string_view expression) const;
  // Null when nothing matches.
  CDomNode selectSingleNode(std::u16string_view expression) const;

  // Applies a stylesheet (a document or an xsl:stylesheet element) to this document
  // or element and returns the serialised result.
  std::u16string transformNode(const CDomNode& stylesheet) const;

 private:
  friend class CDomDocument;
  friend class CDomNamedNodeMap;
  CDomNode(std::shared_ptr<CDomOwner> owner, xmlNode* node);

  xmlNode* Raw() const;
  void CheckCanHoldChild(xmlNode* child) const;
  xmlNode* TakeForInsertion(const CDomNode& newChild);
  CDomNode Insert(const CDomNode& newChild, xmlNode* before);
  void ReplaceContent(std::u16string_view text);

  std::shared_ptr<CDomOwner> m_owner;
  xmlNode* m_node = nullptr;
};
