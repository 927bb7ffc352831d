#include "model/EditContainer.h"

#include <memory>

#include "model/EditBox.h"
#include "model/PropertyBlock.h"
#include "platform/Archive.h"

IMPLEMENT_SERIAL(CEditContainer, CEditNode, 1)

namespace {

// The smallest stored box: its line count alone.
constexpr uint64_t kMinBoxRecord = 2;

}  // namespace

CEditContainer::CEditContainer() = default;

CEditContainer::CEditContainer(DWORD nType) : CEditNode(nType) {}

CEditContainer::~CEditContainer() { RemoveAllBoxes(); }

void CEditContainer::RemoveAllBoxes() {
  for (CEditBox* box : m_arrBoxes) delete box;
  m_arrBoxes.clear();
}

CEditBox* CEditContainer::GetBox(int index) const {
  if (index < 0 || index >= GetBoxCount()) return nullptr;
  return m_arrBoxes[size_t(index)];
}

void CEditContainer::Serialize(CArchive& ar) {
  auto* margins = static_cast<CBlockMarginProperties*>(this);
  auto* paragraph = static_cast<CBlockLineRelatedProperties*>(this);
  if (ar.IsStoring()) {
    WritePropertyBlock(ar, margins, sizeof(CBlockMarginProperties));
    WritePropertyBlock(ar, paragraph, sizeof(CBlockLineRelatedProperties));
    ar << LONG(GetBoxCount());
    for (CEditBox* box : m_arrBoxes) box->Serialize(ar);
  } else {
    ReadPropertyBlock(ar, margins, sizeof(CBlockMarginProperties));
    ReadPropertyBlock(ar, paragraph, sizeof(CBlockLineRelatedProperties));
    LoadBoxes(ar);
  }
  CEditNode::Serialize(ar);
}

void CEditContainer::LoadBoxes(CArchive& ar) {
  LONG count = 0;
  ar >> count;
  if (count < 0) throw CArchiveException(CArchiveException::genericException);
  ar.EnsureAvailable(uint64_t(count) * kMinBoxRecord);
  RemoveAllBoxes();
  m_arrBoxes.reserve(size_t(count));
  for (LONG i = 0; i < count; ++i) {
    m_arrBoxes.push_back(new CEditBox);
    m_arrBoxes.back()->Serialize(ar);
  }
}

CEditNode* CEditContainer::GetFirstLineBreak() {
  for (CQVXMLNode* child : m_arrChildren) {
    if (!child) return nullptr;
    if (child->m_nType & NT_LINEBREAK) return dynamic_cast<CEditNode*>(child);
  }
  return nullptr;
}

CEditNode* CEditContainer::FindLineBreakFrom(CEditNode* pChild) {
  const int start = pChild ? IndexOfChild(pChild) : -1;
  if (start < 0) return nullptr;
  for (int i = start; i < GetChildCount(); ++i) {
    CQVXMLNode* child = m_arrChildren[size_t(i)];
    if (!child) return nullptr;
    if (child->m_nType & NT_LINEBREAK) return dynamic_cast<CEditNode*>(child);
  }
  return nullptr;
}

CEditNode* CEditContainer::GetFirstCaretChild() {
  for (CQVXMLNode* child : m_arrChildren) {
    if (!child) return nullptr;
    if (child->m_nType & NT_EDITNODE) return dynamic_cast<CEditNode*>(child);
  }
  return nullptr;
}

CEditNode* CEditContainer::NodeFromPoint(int x, int y, int* pAfter) {
  try {
    for (CQVXMLNode* child : m_arrChildren) {
      if (!child) return nullptr;
      auto* node = dynamic_cast<CEditNode*>(child);
      if (!node || !node->IsVisible()) continue;
      if (CEditNode* hit = node->NodeFromPoint(x, y, pAfter)) return hit;
    }
  } catch (...) {
  }
  return nullptr;
}
