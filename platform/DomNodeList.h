#pragma once
// The nodes that a child walk or a selection found, held when it ran.

#include <vector>

#include "platform/DomNode.h"
#include "platform/WinTypes.h"

class CDomNodeList {
 public:
  CDomNodeList() = default;
  explicit CDomNodeList(std::vector<CDomNode> nodes) : m_nodes(std::move(nodes)) {}

  LONG length() const { return LONG(m_nodes.size()); }
  // Null outside 0 … length() - 1.
  CDomNode item(LONG index) const;

 private:
  std::vector<CDomNode> m_nodes;
};
