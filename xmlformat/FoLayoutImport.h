#pragma once
// Turns the XSL-FO node tree of a sheet into editor nodes under its sheet root: page setup,
// the name field and its page copies, parts, text boxes, page breaks and their content.

#include <stdexcept>
#include <vector>

#include "model/EditNode.h"
#include "model/QVXMLNode.h"

class CEditPrint;
class CEditSentence;
class CEditTable;
class CFileException;
class CFoItemFactory;

// A part of the tree that cannot be imported; the read then fails.
class CFoImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CFoLayoutImport {
 public:
  // The root's drive and directory name the folder of the side files; bVertical is the
  // sheet's writing direction (the default number formats).
  CFoLayoutImport(CEditPrint* pRoot, CFoItemFactory* pItems, BOOL bVertical);

  // FALSE when any part of the tree could not be imported (GetError tells why); what was
  // appended before stays.
  BOOL Import(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  const CStringW& GetError() const { return m_strError; }
  // File errors of pictures and embedded objects whose files did not open, for the caller
  // to show.
  const std::vector<CStringW>& GetWarnings() const { return m_arrWarnings; }

  void ImportFoLayout(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportFoBlocks(CQVXMLNode* pBlock, CQVXMLNode* pTarget);
  void ImportFoTable(CQVXMLNode* pTableAndCaption, CEditTable* pTable);

  // Bounds of a table's grid read from a file.
  static constexpr int kMaxTableSide = 999;
  static constexpr int kMaxTableCells = 100000;

 private:
  void ImportPageMaster(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportPageReferences(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportNameField(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportFlow(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportFlowContainer(CQVXMLNode* pContainer, CQVXMLNode* pTarget);
  void ImportContainerChild(CQVXMLNode* pChild, CQVXMLNode* pTarget);
  void ImportSpacing(CQVXMLNode* pSet, CQVXMLNode* pTarget);
  void ImportFloat(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void CheckPageSetup() const;

  void ImportRun(CQVXMLNode* pInline, CQVXMLNode* pTarget);
  void ImportInlineContainer(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportForeignObject(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportObject(CQVXMLNode* pObject, CQVXMLNode* pTarget);
  void ImportFormula(CQVXMLNode* pMath, CQVXMLNode* pTarget);
  void ImportNumber(CQVXMLNode* pNumber, CQVXMLNode* pTarget);
  void ImportPoints(CQVXMLNode* pHai, CQVXMLNode* pTarget);
  void ImportGraphic(CQVXMLNode* pFo, CQVXMLNode* pTarget);

  void FillTableRow(CQVXMLNode* pRow, CEditTable* pTable, int nColumns);
  void ImportRuby(CQVXMLNode* pFo, CQVXMLNode* pTarget);
  void ImportKan(CQVXMLNode* pFo, CQVXMLNode* pTarget, BOOL bHyphen);
  void ImportKana(CQVXMLNode* pSource, CEditNode* pBox);
  void FillKanBox(CQVXMLNode* pSource, CEditNode* pBox, BOOL bNoShift);

  // One node of class C per character of the text (a surrogate pair stays one), each taking
  // the source's properties.
  template <class C>
  void ImportCharacters(CQVXMLNode* pSource, const CStringW& text, CQVXMLNode* pTarget);

  // The side file's full path; empty for a name that is not a bare file name.
  CStringW SideFilePath(const char* pszName) const;
  void WarnSideFile(const CFileException& error, const CStringW& path);

  CEditPrint* m_pRoot;
  CFoItemFactory* m_pItems;
  BOOL m_bVertical;
  CStringW m_strError;
  std::vector<CStringW> m_arrWarnings;
};

// The local file name of a side-file path.
std::string LocalPath(const CStringW& path);

// Appends the node to the parent, which then owns it; raises when it cannot.
template <class N>
N* AppendImported(CQVXMLNode* pParent, N* pNode) {
  if (pParent->AppendChild(pNode) < 0) {
    delete pNode;
    throw CFoImportError("a node could not be appended");
  }
  return pNode;
}
