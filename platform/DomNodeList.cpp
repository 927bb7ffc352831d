#include "platform/DomNodeList.h"

CDomNode CDomNodeList::item(LONG index) const {
  if (index < 0 || index >= length()) return {};
  return m_nodes[size_t(index)];
}
