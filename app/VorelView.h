#pragma once
// The editing view: the sheet page by page on a grey background, exactly as it prints, in
// either writing direction and at any zoom. It lays the sheet out once per change, at a fixed
// 2540 : 96, and paints through a back buffer.

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>

#include "app/DocView.h"
#include "model/CoordMapper.h"
#include "model/EditCaret.h"
#include "model/EditViewServices.h"
#include "model/StringW.h"

class CDC;
class CEditPrint;
class CUndoGroup;
class CVorelDoc;

class CVorelView : public QAbstractScrollArea, public CDocView, public CEditViewServices {
  Q_OBJECT

 public:
  explicit CVorelView(CVorelDoc* pDoc, QWidget* pParent = nullptr);
  ~CVorelView() override;

  CVorelDoc* GetDocument() const { return m_pDoc; }
  void OnInitialUpdate();
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  void ResetFromDocument();
  void RecalcLayout();
  void UpdateScrollSizes();
  void SetZoom(int nZoom);

  CCoordMapper* GetCoordMapper() override { return &m_mapper; }
  void DocToClientRect(RECT* pRect) override;

  // Layout passes since the view was made, for tests and benchmarks.
  int GetLayoutPassCount() const { return m_nLayoutPasses; }
  int GetPaintCount() const { return m_nPaints; }

  CEditCaret& GetCaret() { return m_caret; }
  // Inserts the text at the caret as one undo step and one layout pass; control characters
  // are dropped and a surrogate pair stays one character.
  BOOL TypeText(const CStringW& text);
  BOOL DoBackspace();
  BOOL DoNewLine();
  BOOL DoDeleteForward();
  void OnEditUndo();
  void OnEditRedo();
  BOOL UpdateCaret(BOOL bPickFont);

  void SetCaretNode(CEditNode* pNode) override;
  void SetInteractionMode(int nMode) override { m_nViewMode = nMode; }
  int GetInteractionMode() const { return m_nViewMode; }
  CEditNode* GetEditedNameField() const { return m_pKimeiran; }
  void SetEditedNameField(CEditNode* pNameField) override { m_pKimeiran = pNameField; }
  void SaveCaretContext() override { m_savedCaret = m_caret; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  CEditPrint* GetSheetRoot() const;
  void OnDraw(CDC* pDC);
  void DrawPageBackgrounds(CDC* pDC, CEditPrint& root);
  void ApplyScrollOrigin();
  int PixelsToLayout(int nPixels) const;
  void DrawCaret(QPainter& painter);
  QRect CaretClientRect() const;
  void ChooseInputFont(const CStringW& text, CEditNode* pParent);
  // Runs one edit into a new group; the group is pushed when it recorded anything, even
  // when the model failed half-way, so every change made stays undoable.
  BOOL RunEdit(const std::function<BOOL(CUndoGroup*)>& edit, BOOL bPickFont);
  void AfterEdit(BOOL bPickFont);
  void ReplayHistory(bool bUndo);
  void KeepCaretInSheet();
  BOOL MoveCaret(int nKey, BOOL bExtend);

  CVorelDoc* m_pDoc;
  CCoordMapper m_mapper;
  QImage m_buffer;
  int m_nLayoutPasses = 0;
  int m_nPaints = 0;
  CEditCaret m_caret;
  CEditCaret m_savedCaret;
  int m_nViewMode = 0;
  CEditNode* m_pKimeiran = nullptr;
  RECT m_rcCaret{0, 0, 0, 0};
};
