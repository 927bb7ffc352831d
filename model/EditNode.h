#pragma once
// The base of every node of a sheet: the tree node with the property groups, the property
// setters that record their changes, and the virtual layout and editing operations.

#include "model/AreaAlignmentProperties.h"
#include "model/AreaDimensionProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/CharacterProperties.h"
#include "model/ColorRelatedProperties.h"
#include "model/EditLayoutParam.h"
#include "model/EditProperties.h"
#include "model/FontProperties.h"
#include "model/InlineMarginProperties.h"
#include "model/KasenRenbanProperties.h"
#include "model/QVXMLNode.h"

class CBlockLineRelatedProperties;
class CCoordMapper;
class CDC;
class CEditCaret;
class CUndoGroup;
struct DEFAULT_FONTS;

class CEditNode : public CQVXMLNode,
                  public CEditProperties,
                  public CFontProperties,
                  public CColorRelatedProperties,
                  public CBorderPaddingBackgroundProperties,
                  public CInlineMarginProperties,
                  public CAreaAlignmentProperties,
                  public CAreaDimensionProperties,
                  public CCharacterProperties,
                  public CKasenRenbanProperties {
  DECLARE_SERIAL(CEditNode)

 public:
  CEditNode();
  explicit CEditNode(DWORD nType);
  ~CEditNode() override;

  void Serialize(CArchive& ar) override;
  CEditNode* ToEditNode() override { return this; }
  const CEditNode* ToEditNode() const override { return this; }
  // The paragraph group of a line end or a container, null for any other node.
  virtual const CBlockLineRelatedProperties* GetLineProperties() const { return nullptr; }

  // Layout.
  virtual CEditNode* NodeFromPoint(int x, int y, int* pAfter);
  virtual void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam);
  virtual void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical);
  virtual void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam);
  virtual void DrawSelection(CDC* pDC, CCoordMapper* pMapper, CEditCaret* pCaret);
  virtual void ApplyFontToSelection(CEditCaret* pCaret, const LOGFONTA& lf);

  // Editing at the caret.
  virtual BOOL InsertTextA(CEditCaret* pCaret, const char* pszText, CUndoGroup* pUndo);
  virtual BOOL InsertNode(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo);
  virtual BOOL InsertText(CEditCaret* pCaret, const CStringW& text, CUndoGroup* pUndo);
  virtual BOOL DeleteBackward(CEditCaret* pCaret, CUndoGroup* pUndo);
  virtual BOOL DeleteForward(CEditCaret* pCaret, CUndoGroup* pUndo);
  virtual BOOL InsertLineBreak(CEditCaret* pCaret, CUndoGroup* pUndo);
  virtual CEditNode* MoveCaretLeft(CEditCaret* pCaret, BOOL bExtend);
  virtual CEditNode* MoveCaretRight(CEditCaret* pCaret, BOOL bExtend);
  virtual CEditNode* MoveCaretUp(CEditCaret* pCaret, BOOL bExtend);
  virtual CEditNode* MoveCaretDown(CEditCaret* pCaret, BOOL bExtend);
  virtual CEditNode* MoveCaretLineEnd(CEditCaret* pCaret, BOOL bExtend);
  virtual CEditNode* MoveCaretLineStart(CEditCaret* pCaret, BOOL bExtend);

  // Caret walks.
  virtual CEditNode* GetFirstCaretChild();
  virtual CEditNode* GetLastCaretChild();
  virtual int CountLineBreaks();
  virtual CEditNode* GetPrevLineBreak();
  virtual CEditNode* GetNextLineBreak();
  virtual CEditNode* GetCaretPrev(int* pPassLineEnd);
  virtual CEditNode* GetCaretNext(int* pPassLineEnd);
  virtual CEditNode* GetLineStartNode();
  virtual CEditNode* GetLineEndNode();
  virtual CEditNode* GetNodeAbove(CEditCaret* pCaret);
  virtual CEditNode* GetNodeBelow(CEditCaret* pCaret);
  virtual CEditNode* GetFirstCaretDescendant();
  virtual CEditNode* GetLastCaretDescendant();

  // Fonts of whole subtrees.
  virtual void SetFontHeightRecursive(CSize size, BOOL bSelf, CUndoGroup* pUndo);
  virtual void SetFontFaceRecursive(const char* pszFace, BOOL bSelf, BOOL bKeepGaiji, CUndoGroup* pUndo);
  virtual void SetFontHeightRecursiveMath(CSize size, BOOL bSelf, CUndoGroup* pUndo);
  virtual void ApplyDefaultFonts(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo);
  virtual void ApplyDefaultFontHeight(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo);
  // A formula container gives its slots their sizes from its own height; nothing elsewhere.
  virtual void ApplyFontSize(CUndoGroup* pUndo);

  // The selection between the caret's anchor and its caret node, as child indexes of the
  // caret node's parent; FALSE without a selection or when the two are not siblings.
  BOOL GetSelectionRange(CEditCaret* pCaret, int* pFirst, int* pLast);
  // Removes the selection (never a container's closing line end) and puts the caret before
  // the node that followed it.
  BOOL DeleteSelection(CEditCaret* pCaret, CUndoGroup* pUndo);

  // State tests and lookups.
  BOOL IsVisible() const;
  BOOL IsCaretStop() const;
  // The tree's root when it is an editor node, else null.
  CEditNode* GetRootNode();
  void SetSentenceModified(int value);
  // Of the nearest question sentence (exact word), the node itself included; -1 without one.
  int GetMajorQuestionNo() const;
  int GetMinorQuestionNo() const;
  int GetSentenceKind() const;
  void SetCaretStopRecursive(int value);
  void SetNeedsMeasureRecursive(int value);
  // The editor child at the index, null for other nodes and outside the array.
  CEditNode* GetEditChildAt(int index) const;

  // The two forms of the font.
  void UpdateLogFontFromProps();
  int UpdatePropsFromLogFont();

  // Setters; with a group each first records the old and the new value.
  void SetKasenNumberStyle(int style, CUndoGroup* pUndo);
  void SetKasenNumberFontSize(int size, CUndoGroup* pUndo);
  void SetKasenNumberFontFace(const char* pszFace, CUndoGroup* pUndo);
  void SetKasenForcedNumber(int number, CUndoGroup* pUndo);
  void SetKasenNumberString(const CStringW& text, CUndoGroup* pUndo);
  void SetTextColor(COLORREF color, CUndoGroup* pUndo);
  void SetBackgroundColor(COLORREF color, CUndoGroup* pUndo);
  void SetBackgroundPattern(int pattern, CUndoGroup* pUndo);
  void SetLogFont(const LOGFONTA& lf, CUndoGroup* pUndo);
  void SetBold(BOOL bBold, CUndoGroup* pUndo);
  void SetItalic(BOOL bItalic, CUndoGroup* pUndo);
  void SetUnderlineStyle(int style, CUndoGroup* pUndo);
  void SetUnderlineWidth(int width, CUndoGroup* pUndo);
  void SetLineThroughStyle(int style, CUndoGroup* pUndo);
  void SetLineThroughWidth(int width, CUndoGroup* pUndo);
  void SetBorderStyle(int style, CUndoGroup* pUndo);
  void SetBorderWidth(int width, CUndoGroup* pUndo);
  void SetBorderBeforeStyle(int style, CUndoGroup* pUndo);
  void SetBorderBeforeWidth(int width, CUndoGroup* pUndo);
  void SetBorderAfterStyle(int style, CUndoGroup* pUndo);
  void SetBorderAfterWidth(int width, CUndoGroup* pUndo);
  void SetFontExpanded(BOOL bExpanded, CUndoGroup* pUndo);
  void SetFontCondensed(BOOL bCondensed, CUndoGroup* pUndo);
  void SetSubscript(BOOL bSubscript, CUndoGroup* pUndo);
  void SetSuperscript(BOOL bSuperscript, CUndoGroup* pUndo);
  // A positive height is stored negated, as LOGFONT heights are.
  void SetFontSize(CSize size, CUndoGroup* pUndo);
  // 0 and no change for a face that is not installed.
  int SetFontFace(const char* pszFace, CUndoGroup* pUndo);

  // Numbers the underline runs below the node; returns the next number.
  int NumberKasenRuns(int next, int style, int lineStyle, int lineWidth);

  // Layout results, not stored: the number shown for the node's underline run, and whether
  // the node starts (bit 0) or ends (bit 1) such a run.
  int m_nKasenNumber = 1;
  int m_nBorderRunFlags = 0;
  int m_nOverhangLeft = 0;
  int m_nOverhangRight = 0;

 private:
  // The caret node when it stands in a tree; the editing operations do nothing without one.
  static CEditNode* GetCaretNodeInTree(const CEditCaret* pCaret);
  void SetIntProperty(LONG& field, int value, int code, BOOL bRemeasure, CUndoGroup* pUndo);
  BOOL MatchesKasenRun(int style, int lineStyle, int lineWidth) const;
  void StoreRecord(CArchive& ar);
  void LoadRecord(CArchive& ar);
};

// The first empty frame (at most one child) of the last question part under the root that
// holds one; null when none does. The deletions remove it; the sheet root offers it too.
CEditNode* FindEmptyFloat(const CQVXMLNode* pRoot);
