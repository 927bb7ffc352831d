#pragma once
// An embedded object in the sheet, such as a kunten passage of the kunten editor: a node laid
// out like one large character as big as its ink rectangle, drawn by the container item it
// owns.

#include <string>

#include "model/EditNode.h"

class CEditObjectItem;

class CEditObject : public CEditNode {
  DECLARE_SERIAL(CEditObject)

 public:
  CEditObject();
  ~CEditObject() override;

  // The string, the item's record (or the no-item record), then the node's record.
  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Takes the item (deleting one held before) and binds it to this node.
  CEditObjectItem* SetItem(CEditObjectItem* pItem);
  // Releases the object and deletes the item.
  void DeleteItem();

  std::string m_strDataFile;  // side file the sheet reader read the item from
  CEditObjectItem* m_pItem = nullptr;
};
