#pragma once
// The sheet root: page setup and sheet-wide settings, the question parts, text boxes and page
// breaks as children, pagination into pages and columns, the on-screen stack of pages,
// placement and drawing of one page for printing, and hit tests on the whole sheet.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "elements/EditKimeiran.h"
#include "elements/MondaiInfo.h"
#include "model/EditContainer.h"
#include "model/PageProperties.h"
#include "model/QuestionSheet.h"

class CEditCaret;
class CEditFloat;
class CUndoGroup;
class CFoFlow;
struct PAGE_FLOW;
struct PLACED_UNIT;

class CEditPrint : public CEditContainer, public CQuestionSheet {
  DECLARE_SERIAL(CEditPrint)

 public:
  static constexpr int kPageTableSize = 1024;

  CEditPrint();
  ~CEditPrint() override;

  void GetPageSize(SIZE* pSize) const;
  void SetPageSize(const SIZE* pSize);
  void GetMargins(RECT* pMargins) const;
  void SetMargins(const RECT* pMargins);
  void GetPrintableSize(SIZE* pSize) const;
  // The extent of the on-screen stack of pages.
  void GetCanvasSize(SIZE* pSize) const;
  // Marks the root, every child and every per-page name field (not the template).
  void SetNeedsMeasure(BOOL b);

  // Pages 1 to kPageTableSize; every other page carries no name field and cannot get one.
  BOOL IsNameFieldPage(int nPage) const;
  void SetNameFieldPage(int nPage, int nValue);

  // Part paths, question registration and the temporary-file lists. The flow lists one
  // template call per question part or text box and one block per page break.
  void SetPathName(const char* pszPath);
  void AddExtractedFile(const char* pszPath);
  // Removes the listed files that still exist; the list is kept.
  void DeleteExtractedFiles();
  void ClearPackFiles();
  void AddPackFile(const char* pszPath);
  void DeletePackFiles();
  BOOL ReadPartPaths();
  BOOL WritePartPaths();
  CEditSentence* FindPartByIds(const CMondaiInfo* pInfo, int nKind);
  BOOL ApplyQuestionInfos();
  BOOL CollectQuestionInfos();

  CEditNode* NodeFromPoint(int x, int y, int* pAfter) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Places page pParam->nPage for printing, at the margins, exactly as on screen.
  void ArrangePage(const EDIT_LAYOUT_PARAM* pParam, int bVertical);
  void DrawPage(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM* pParam);

  CEditNode* ChildFromPoint(int x, int y, BOOL* pAfter);
  CEditKimeiran* PageNameFieldFromPoint(int x, int y, int* pAfter);
  // The first empty frame (at most one child) of the last question part that holds one.
  CEditFloat* FindEmptyFloat() const;

  // Question numbers: the walkers visit the subtrees of the children, not the children.
  void SetAllMajorNumberFormat(int nFormat);
  void SetAllMinorNumberFormat(int nFormat);
  // The code of the first number met, -1 without one.
  int GetMajorNumberFormat();
  int GetMinorNumberFormat();
  // Whether a visible table is wider than one of nColumns columns.
  BOOL HasTableWiderThanColumn(int nColumns);

  // Question structure: the parts of each question and where the field sequence puts them.
  void SetFieldSequence(int nSequence, BOOL bHideEmpty);
  void InsertMajorQuestion(CEditCaret* pCaret, CUndoGroup* pUndo);
  void InsertMinorQuestion(int nMajor, CEditCaret* pCaret, CUndoGroup* pUndo);
  void RenumberQuestions();
  void RenumberMinorQuestions(int nMajor);
  int GetMajorQuestionCount() const;
  int GetMinorQuestionCount(int nMajor) const;
  CEditSentence* FindMajorPart(int nMajor, int nKind) const;
  CEditSentence* FindMinorPart(int nMajor, int nMinor, int nKind) const;
  // Both leave the numbers as they are: the caller renumbers.
  int DeleteMajorQuestion(int nMajor, CEditCaret* pCaret, CUndoGroup* pUndo);
  int DeleteMinorQuestion(int nMajor, int nMinor, CEditCaret* pCaret, CUndoGroup* pUndo);
  // Nothing is recorded for undo.
  void SwapMajorQuestions(int a, int b);
  void SwapMinorQuestions(int nMajor, int a, int b);

  // The stored field sequence when it is 1 to 3, else 0.
  int GetFieldSequence() const override;
  int GetQuestionParts(CEditSentence* pSentence, std::vector<CEditSentence*>& parts) override;

  CPageProperties m_page;
  CStringW m_strPath;
  CStringW m_strDrive;
  CStringW m_strDir;
  CStringW m_strFname;
  CStringW m_strExt;
  std::unique_ptr<CFoFlow> m_pBodyFlow;
  CStringW m_strSearchProgID;
  CStringW m_strSearchInfo;
  std::vector<std::unique_ptr<CMondaiInfo>> m_listMondaiInfo;
  int m_nPageGapX = 500;
  int m_nPageGapY = 500;
  int m_nPageCount = 1;
  // Holds one copy of the name field per page that carries one, in page order.
  CEditNode m_nodePageKimeiran;
  CEditKimeiran m_kimeiran;
  int m_nFieldSequence = 0;
  int m_nMondaiIdForm = 1;
  // File names as the file system gives them.
  std::vector<std::string> m_arrExtractedFiles;
  std::vector<std::string> m_arrPackFiles;

 private:
  struct PAGE_ENTRY {
    int bNameField;
    int nReserved[2];
  };

  PAGE_FLOW MakeFlow() const;
  std::vector<CEditKimeiran*> PageNameFields() const;
  // Walks the visible children's boxes through the flow; before a child's boxes are taken,
  // beforeChild (when given) measures it at the place the flow has reached.
  void FlowChildren(PAGE_FLOW& flow, const std::function<void(CEditNode&)>& beforeChild);
  EDIT_LAYOUT_PARAM ChildMeasureParam(const PAGE_FLOW& flow) const;
  BOOL MeasurePass(CDC* pDC, CCoordMapper* pMapper);
  void MeasureNameFields(CDC* pDC, CCoordMapper* pMapper);
  BOOL ShowPlacedNameFields(int nPlaced);
  void PlaceUnit(const PLACED_UNIT& unit, int nX, int nY, int bVertical) const;
  static void StampPage(const PLACED_UNIT& unit);
  void DrawPageChild(CDC* pDC, CCoordMapper* pMapper, CEditContainer& child, int nPage);
  CEditNode* SnapForward(int x, int y, int* pAfter);
  CEditNode* SnapBackward(int x, int y, int* pAfter);

  PAGE_ENTRY m_aPageKimeiran[kPageTableSize] = {};
};
