#pragma once
// A reference-counted handle to a DOM document over libxml2, shaped like the COM
// document interface: copies of the handle share one document. Loading is synchronous;
// a failed load leaves the document empty and fills parseError. Other failures raise
// CDomException.

#include <memory>
#include <string_view>

#include "platform/DomNamedNodeMap.h"
#include "platform/DomNode.h"
#include "platform/DomNodeList.h"
#include "platform/DomParseError.h"

class CDomDocument {
 public:
  // A new, empty document.
  CDomDocument();

  // Loading is always synchronous; the flag is accepted for the callers' sake.
  void put_async(bool) {}
  bool load(std::u16string_view path);
  bool loadXML(std::u16string_view xml);
  CDomParseError parseError() const;

  // "SelectionLanguage" ("XPath" only) and "SelectionNamespaces".
  void setProperty(std::u16string_view name, std::u16string_view value);

  // Writes in the encoding that the XML declaration names (UTF-8 without one).
  void save(std::u16string_view path) const;

  // Null when the document is empty.
  CDomNode documentElement() const;
  // Qualified names ("fo:block", "xml:space"): the prefix binds to its namespace once
  // the node stands where the prefix is declared.
  CDomNode createElement(std::u16string_view tagName);
  CDomNode createAttribute(std::u16string_view name);
  CDomNode createTextNode(std::u16string_view data);
  CDomNode createCDATASection(std::u16string_view data);

  // The document as a node, and the node calls made on it.
  operator CDomNode() const;
  CDomNodeList childNodes() const { return CDomNode(*this).childNodes(); }
  CDomNode appendChild(const CDomNode& newChild) { return CDomNode(*this).appendChild(newChild); }
  CDomNode insertBefore(const CDomNode& newChild, const CDomNode& refChild) {
    return CDomNode(*this).insertBefore(newChild, refChild);
  }
  CDomNode removeChild(const CDomNode& child) { return CDomNode(*this).removeChild(child); }
  CDomNodeList selectNodes(std::u16string_view expression) const { return CDomNode(*this).selectNodes(expression); }
  CDomNode selectSingleNode(std::u16string_view expression) const {
    return CDomNode(*this).selectSingleNode(expression);
  }
  std::u16string transformNode(const CDomNode& stylesheet) const { return CDomNode(*this).transformNode(stylesheet); }

 private:
  CDomNode Adopted(xmlNode* node);

  std::shared_ptr<CDomOwner> m_owner;
};
