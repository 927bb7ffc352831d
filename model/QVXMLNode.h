#pragma once
// The one tree type: a typed node with text, attributes and owned children.

#include <map>
#include <vector>

#include "model/NodeTypes.h"
#include "model/StringW.h"

// Type words that the tree operations compare.

class CEditNode;

class CQVXMLNode : public CObject {
  DECLARE_SERIAL(CQVXMLNode)

 public:
  CQVXMLNode();
  explicit CQVXMLNode(DWORD nType);
  ~CQVXMLNode() override;
  CQVXMLNode(const CQVXMLNode&) = delete;
  CQVXMLNode& operator=(const CQVXMLNode&) = delete;

  void Init();

  // The node as an editor node, null for any other: cheaper than a cast on hot paths.
  virtual CEditNode* ToEditNode() { return nullptr; }
  virtual const CEditNode* ToEditNode() const { return nullptr; }

  void SetText(const CStringW& text);
  BOOL SetText(const char16_t* psz);
  void SetText(char16_t ch);
  // The text of the subtree; line ends of running text give "\r\n".
  void GetText(CStringW& out) const;

  int GetChildCount() const { return int(m_arrChildren.size()); }
  // The child at the index; null outside the array.
  CQVXMLNode* GetChildAt(int index) const;
  CQVXMLNode* GetParent() const { return m_pParent; }

  int GetIndex() const;
  CQVXMLNode* GetRoot();
  int IndexOfChild(const CQVXMLNode* p) const;
  BOOL IsChild(const CQVXMLNode* p) const;
  BOOL IsDescendant(const CQVXMLNode* p) const;
  CQVXMLNode* GetFirstChild() const;
  CQVXMLNode* GetLastChild() const;

  int AppendChild(CQVXMLNode* p);
  void InsertChild(int index, CQVXMLNode* p);
  void InsertBefore(CQVXMLNode* pNew);
  void RemoveChildren(int index, int count);
  void RemoveChild(CQVXMLNode* p);
  void RemoveAllChildren();
  void Detach();
  void Delete();
  void DeleteAllChildren();
  void DeleteChildAt(int index);

  CQVXMLNode* GetNextSibling() const;
  CQVXMLNode* GetPrevSibling() const;
  CQVXMLNode* GetNextAtLevel() const;
  CQVXMLNode* GetPrevAtLevel() const;

  CQVXMLNode* FindAncestor(DWORD nType, BOOL bIncludeSelf);
  CQVXMLNode* FindAncestorByMask(DWORD dwMask, BOOL bIncludeSelf);
  CQVXMLNode* FindDescendant(DWORD nType);
  CQVXMLNode* FindDescendantByMask(DWORD dwMask);

  void SetContextRecursive();

  // Deep copy through the archive into a fresh object of the same class; its children are
  // appended to those it has. FALSE when the copy failed; the target then keeps only what
  // it had before.
  BOOL CopyInto(CQVXMLNode* pTarget);

  void Serialize(CArchive& ar) override;

  DWORD m_nType = 0;
  CQVXMLNode* m_pParent = nullptr;
  int m_nReserved = 1;
  int m_bSpaceOnly = 0;
  int m_nBlockKind = 0;
  int m_nContext = 0;
  CStringW m_strText;
  std::map<CStringW, CStringW> m_mapAttributes;
  std::vector<CQVXMLNode*> m_arrChildren;
};
