#pragma once
// Sheet parts of fixed box sizes for pagination tests: each measures to the boxes it is given,
// and remembers how it was measured, placed and drawn.

#include <map>
#include <vector>

#include "elements/EditKimeiran.h"
#include "elements/EditPrint.h"
#include "model/EditBox.h"

constexpr DWORD kTestPartType = 0x20001FF1;

inline void AddFixedBox(CEditContainer& node, SIZE size) {
  auto* box = new CEditBox;
  box->m_props.m_nWidth = size.cx;
  box->m_props.m_nHeight = size.cy;
  node.m_arrBoxes.push_back(box);
}

class CTestPart : public CEditContainer {
 public:
  CTestPart(DWORD type, std::vector<SIZE> boxes) : CEditContainer(type), m_sizes(std::move(boxes)) {}
  void Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM* pParam) override {
    m_measured = *pParam;
    m_rooms.clear();
    for (int k = 1; pParam->pColumnRooms && k <= 4; ++k) m_rooms.push_back(pParam->pColumnRooms->RoomOfColumnAfter(k));
    m_measured.pColumnRooms = nullptr;  // lives only while the part is measured
    RemoveAllBoxes();
    m_nWidth = m_nHeight = 0;
    if (!IsVisible()) return;
    for (SIZE size : m_sizes) AddFixedBox(*this, size);
    if (!m_sizes.empty()) m_nHeight = m_sizes.front().cy;
  }
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int) override {
    m_arranged[pParam->nBox] = *pParam;
    CEditBox* box = GetBox(pParam->nBox);
    box->m_props.m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + box->m_props.m_nWidth,
                                pParam->nY + box->m_props.m_nHeight};
    if (pParam->nBox == 0) m_rcInk = box->m_props.m_rcInk;
  }
  void Draw(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM* pParam) override {
    m_drawnBoxes.push_back(pParam && pParam->pBoxFilter ? pParam->pBoxFilter[1] : -1);
  }

  std::vector<SIZE> m_sizes;
  EDIT_LAYOUT_PARAM m_measured{};
  std::vector<int> m_rooms;  // of the four columns after the first, as measured
  std::map<int, EDIT_LAYOUT_PARAM> m_arranged;
  std::vector<int> m_drawnBoxes;
};

// A name field of one box across the printable width.
class CTestNameField : public CEditKimeiran {
 public:
  explicit CTestNameField(int height) : m_nFixedHeight(height) {}
  void Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM* pParam) override {
    RemoveAllBoxes();
    m_nHeight = 0;
    if (!IsVisible()) return;
    AddFixedBox(*this, SIZE{pParam->nWidth, m_nFixedHeight});
    m_nHeight = m_nFixedHeight;
  }
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int) override {
    m_arranged = *pParam;
    ++m_nArrangeCount;
  }
  void Draw(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) override { ++m_nDrawCount; }

  int m_nFixedHeight;
  EDIT_LAYOUT_PARAM m_arranged{};
  int m_nArrangeCount = 0;
  int m_nDrawCount = 0;
};
