#pragma once
// What the layout import needs of the document: embedded-object nodes made from their stored
// item records. The document implements it, so this folder never reaches the application.

#include "model/EditNode.h"
#include "platform/Archive.h"

class CFoItemFactory {
 public:
  virtual ~CFoItemFactory() = default;

  // A new object node, owned by the caller, whose item reads itself from the loading
  // archive; its width and height are the element's (0.01 mm). Raises on failure.
  virtual CEditNode* CreateObjectNode(CArchive& ar, const CStringW& path, int nWidth, int nHeight) = 0;
};
