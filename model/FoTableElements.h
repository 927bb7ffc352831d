#pragma once
// The XSL-FO table classes. Each only sets its code and holds a border group (defaults,
// except the cell's border style and width), so the family shares this file.

#include "model/BorderPaddingBackgroundProperties.h"
#include "model/FoNode.h"
#include "model/XmlElementTable.h"

class CFoTableAndCaption : public CFoNode {
 public:
  CFoTableAndCaption() : CFoNode(XE_FO_TABLE_AND_CAPTION) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableCaption : public CFoNode {
 public:
  CFoTableCaption() : CFoNode(XE_FO_TABLE_CAPTION) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTable : public CFoNode {
 public:
  CFoTable() : CFoNode(XE_FO_TABLE) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableHeader : public CFoNode {
 public:
  CFoTableHeader() : CFoNode(XE_FO_TABLE_HEADER) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableFooter : public CFoNode {
 public:
  CFoTableFooter() : CFoNode(XE_FO_TABLE_FOOTER) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableBody : public CFoNode {
 public:
  CFoTableBody() : CFoNode(XE_FO_TABLE_BODY) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableRow : public CFoNode {
 public:
  CFoTableRow() : CFoNode(XE_FO_TABLE_ROW) {}

  CBorderPaddingBackgroundProperties m_borderProps;
};

class CFoTableCell : public CFoNode {
 public:
  CFoTableCell() : CFoNode(XE_FO_TABLE_CELL) {}

  CBorderPaddingBackgroundProperties m_borderProps;  // the cell's border style and width
};
