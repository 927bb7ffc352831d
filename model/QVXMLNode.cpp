#include "model/QVXMLNode.h"

#include "platform/Archive.h"
#include "platform/File.h"

IMPLEMENT_SERIAL(CQVXMLNode, CObject, 1)

CQVXMLNode::CQVXMLNode() { Init(); }

CQVXMLNode::CQVXMLNode(DWORD nType) {
  Init();
  m_nType = nType;
}

CQVXMLNode::~CQVXMLNode() { DeleteAllChildren(); }

void CQVXMLNode::Init() {
  m_nType = 0;
  m_pParent = nullptr;
  m_nReserved = 1;
  m_bSpaceOnly = 0;
  m_nBlockKind = 0;
  m_nContext = 0;
}

void CQVXMLNode::SetText(const CStringW& text) {
  m_strText = text;
  m_bSpaceOnly = m_strText.IsAllSpaces();
}

BOOL CQVXMLNode::SetText(const char16_t* psz) {
  m_strText = psz;
  m_bSpaceOnly = m_strText.IsAllSpaces();
  return m_bSpaceOnly;
}

void CQVXMLNode::SetText(char16_t ch) {
  m_strText = ch;
  m_bSpaceOnly = m_strText.IsAllSpaces();
}

void CQVXMLNode::GetText(CStringW& out) const {
  out.Empty();
  if (m_nType == NTYPE_EDITCR) {
    out += u"\r\n";
  } else {
    out += m_strText;
  }
  for (const CQVXMLNode* child : m_arrChildren) {
    if (child->m_nType == NTYPE_EDITCR) {
      out += u"\r\n";
    } else {
      CStringW sub;
      child->GetText(sub);
      out += sub;
    }
  }
}

CQVXMLNode* CQVXMLNode::GetChildAt(int index) const {
  return (index >= 0 && index < GetChildCount()) ? m_arrChildren[size_t(index)] : nullptr;
}

int CQVXMLNode::GetIndex() const { return m_pParent ? m_pParent->IndexOfChild(this) : 0; }

CQVXMLNode* CQVXMLNode::GetRoot() {
  CQVXMLNode* node = this;
  while (node->m_pParent) node = node->m_pParent;
  return node;
}

int CQVXMLNode::IndexOfChild(const CQVXMLNode* p) const {
  for (size_t i = 0; i < m_arrChildren.size(); ++i)
    if (m_arrChildren[i] == p) return int(i);
  return -1;
}

BOOL CQVXMLNode::IsChild(const CQVXMLNode* p) const { return IndexOfChild(p) >= 0; }

BOOL CQVXMLNode::IsDescendant(const CQVXMLNode* p) const {
  if (!p || p == this) return FALSE;
  for (const CQVXMLNode* up = p->m_pParent; up; up = up->m_pParent)
    if (up == this) return TRUE;
  return FALSE;
}

CQVXMLNode* CQVXMLNode::GetFirstChild() const { return m_arrChildren.empty() ? nullptr : m_arrChildren.front(); }

CQVXMLNode* CQVXMLNode::GetLastChild() const { return m_arrChildren.empty() ? nullptr : m_arrChildren.back(); }

int CQVXMLNode::AppendChild(CQVXMLNode* p) {
  if (!p) return -1;
  try {
    m_arrChildren.push_back(p);
  } catch (...) {
    return -1;
  }
  p->m_pParent = this;
  return GetChildCount() - 1;
}

void CQVXMLNode::InsertChild(int index, CQVXMLNode* p) {
  if (!p || index < 0 || index > GetChildCount()) return;
  try {
    m_arrChildren.insert(m_arrChildren.begin() + index, p);
  } catch (...) {
    return;
  }
  p->m_pParent = this;
}

void CQVXMLNode::InsertBefore(CQVXMLNode* pNew) {
  if (!m_pParent) return;
  int index = GetIndex();
  m_pParent->InsertChild(index < 0 ? 0 : index, pNew);
}

void CQVXMLNode::RemoveChildren(int index, int count) {
  int n = GetChildCount();
  if (n == 0 || index < 0 || count <= 0 || index >= n || count > n - index) return;
  for (int i = index; i < index + count; ++i) m_arrChildren[size_t(i)]->m_pParent = nullptr;
  m_arrChildren.erase(m_arrChildren.begin() + index, m_arrChildren.begin() + index + count);
}

void CQVXMLNode::RemoveChild(CQVXMLNode* p) {
  int index = IndexOfChild(p);
  if (index >= 0) RemoveChildren(index, 1);
}

void CQVXMLNode::RemoveAllChildren() {
  for (CQVXMLNode* child : m_arrChildren) child->m_pParent = nullptr;
  m_arrChildren.clear();
}

void CQVXMLNode::Detach() {
  if (!m_pParent) return;
  m_pParent->RemoveChild(this);
  m_pParent = nullptr;
}

void CQVXMLNode::Delete() {
  Detach();
  delete this;
}

void CQVXMLNode::DeleteAllChildren() {
  std::vector<CQVXMLNode*> children;
  children.swap(m_arrChildren);
  for (CQVXMLNode* child : children) {
    if (!child) continue;
    child->m_pParent = nullptr;
    delete child;
  }
}

void CQVXMLNode::DeleteChildAt(int index) {
  if (index < 0 || index >= GetChildCount()) return;
  CQVXMLNode* child = m_arrChildren[size_t(index)];
  m_arrChildren.erase(m_arrChildren.begin() + index);
  if (child) {
    child->m_pParent = nullptr;
    delete child;
  }
}

CQVXMLNode* CQVXMLNode::GetNextSibling() const {
  if (!m_pParent) return nullptr;
  int index = GetIndex();
  return index < 0 ? nullptr : m_pParent->GetChildAt(index + 1);
}

CQVXMLNode* CQVXMLNode::GetPrevSibling() const {
  if (!m_pParent) return nullptr;
  int index = GetIndex();
  return index <= 0 ? nullptr : m_pParent->GetChildAt(index - 1);
}

CQVXMLNode* CQVXMLNode::GetNextAtLevel() const {
  if (CQVXMLNode* next = GetNextSibling()) return next;
  if (!m_pParent) return nullptr;
  CQVXMLNode* uncle = m_pParent->GetNextSibling();
  return uncle ? uncle->GetFirstChild() : nullptr;
}

CQVXMLNode* CQVXMLNode::GetPrevAtLevel() const {
  if (CQVXMLNode* prev = GetPrevSibling()) return prev;
  if (!m_pParent) return nullptr;
  CQVXMLNode* uncle = m_pParent->GetPrevSibling();
  return uncle ? uncle->GetLastChild() : nullptr;
}

CQVXMLNode* CQVXMLNode::FindAncestor(DWORD nType, BOOL bIncludeSelf) {
  for (CQVXMLNode* node = bIncludeSelf ? this : m_pParent; node; node = node->m_pParent)
    if (node->m_nType == nType) return node;
  return nullptr;
}

CQVXMLNode* CQVXMLNode::FindAncestorByMask(DWORD dwMask, BOOL bIncludeSelf) {
  for (CQVXMLNode* node = bIncludeSelf ? this : m_pParent; node; node = node->m_pParent)
    if (node->m_nType & dwMask) return node;
  return nullptr;
}

CQVXMLNode* CQVXMLNode::FindDescendant(DWORD nType) {
  if (m_nType == nType) return this;
  for (CQVXMLNode* child : m_arrChildren)
    if (CQVXMLNode* hit = child->FindDescendant(nType)) return hit;
  return nullptr;
}

CQVXMLNode* CQVXMLNode::FindDescendantByMask(DWORD dwMask) {
  if (m_nType & dwMask) return this;
  for (CQVXMLNode* child : m_arrChildren)
    if (CQVXMLNode* hit = child->FindDescendantByMask(dwMask)) return hit;
  return nullptr;
}

void CQVXMLNode::SetContextRecursive() {
  for (CQVXMLNode* child : m_arrChildren) {
    child->m_nContext = m_nContext;
    child->SetContextRecursive();
  }
}

BOOL CQVXMLNode::CopyInto(CQVXMLNode* pTarget) {
  if (!pTarget || pTarget == this || pTarget->GetRuntimeClass() != GetRuntimeClass()) return FALSE;
  int childrenBefore = pTarget->GetChildCount();
  try {
    CMemFile file(4096);
    {
      CArchive store(&file, CArchive::store);
      Serialize(store);
    }
    file.SeekToBegin();
    CArchive load(&file, CArchive::load);
    pTarget->Serialize(load);
    return TRUE;
  } catch (...) {
    while (pTarget->GetChildCount() > childrenBefore) pTarget->DeleteChildAt(pTarget->GetChildCount() - 1);
    return FALSE;
  }
}

void CQVXMLNode::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    m_strText.Serialize(ar);
    ar << LONG(m_nType) << LONG(m_nReserved) << LONG(m_bSpaceOnly) << LONG(m_nBlockKind)
       << LONG(m_nContext) << LONG(GetChildCount());
    for (CQVXMLNode* child : m_arrChildren) ar.WriteObject(child);
    return;
  }
  m_strText.Serialize(ar);
  LONG type, reserved, spaceOnly, blockKind, context, count;
  ar >> type >> reserved >> spaceOnly >> blockKind >> context >> count;
  if (count < 0) throw CArchiveException(CArchiveException::badIndex);
  m_nType = DWORD(type);
  m_nReserved = reserved;
  m_bSpaceOnly = spaceOnly;
  m_nBlockKind = blockKind;
  m_nContext = context;
  for (LONG i = 0; i < count; ++i) {
    // Each child record takes at least two bytes.
    ar.EnsureAvailable(2);
    auto* child = static_cast<CQVXMLNode*>(ar.ReadNewObject(RUNTIME_CLASS(CQVXMLNode)));
    if (AppendChild(child) < 0) {
      delete child;
      throw CArchiveException(CArchiveException::genericException);
    }
  }
}
