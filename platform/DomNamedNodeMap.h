#pragma once
// The attributes of one element, in document order; it follows the element's changes.

#include "platform/DomNode.h"
#include "platform/WinTypes.h"

class CDomNamedNodeMap {
 public:
  CDomNamedNodeMap() = default;

  explicit operator bool() const { return bool(m_element); }
  LONG length() const;
  // Null outside 0 … length() - 1.
  CDomNode item(LONG index) const;
  // Adds the attribute, replacing one of the same name; returns the attribute added
  // (a copy when it came from another document).
  CDomNode setNamedItem(const CDomNode& attribute);

 private:
  friend class CDomNode;
  explicit CDomNamedNodeMap(CDomNode element) : m_element(std::move(element)) {}

  CDomNode m_element;
};
