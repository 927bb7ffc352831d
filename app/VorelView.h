#pragma once
// The editing view: the sheet page by page on a grey background, exactly as it prints, in
// either writing direction and at any zoom. It lays the sheet out once per change, at a fixed
// 2540 : 96, and paints through a back buffer that only a change of the sheet redraws; the
// caret bar and the input method's composition are drawn over it.

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "app/DocView.h"
#include "model/CoordMapper.h"
#include "model/EditCaret.h"
#include "model/EditViewServices.h"
#include "model/StringW.h"

struct HWND__;
using HWND = HWND__*;

class CCmdUI;
class CDC;
class CEditPrint;
class CMainFrame;
class CPrintInfo;
class CScreenInkRecord;
class CStandardToolBar;
class CUndoGroup;
class CVorelAppSettings;
class CVorelDoc;

// Interaction modes of the view.
constexpr int VIEWMODE_TEXT = 0;
constexpr int VIEWMODE_SCALE = 1;
constexpr int VIEWMODE_GRAPHIC = 2;
constexpr int VIEWMODE_FIELD = 3;
constexpr int VIEWMODE_KIMEIRAN = kModeNameFieldEditing;

// Scroll codes of the view's scroll handlers.
enum SCROLL_CODE { SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBPOSITION, SB_THUMBTRACK, SB_ENDSCROLL };
constexpr SCROLL_CODE SB_LINELEFT = SB_LINEUP;
constexpr SCROLL_CODE SB_LINERIGHT = SB_LINEDOWN;
constexpr SCROLL_CODE SB_PAGELEFT = SB_PAGEUP;
constexpr SCROLL_CODE SB_PAGERIGHT = SB_PAGEDOWN;

class CVorelView : public QAbstractScrollArea, public CDocView, public CEditViewServices {
  Q_OBJECT

 public:
  explicit CVorelView(CVorelDoc* pDoc, QWidget* pParent = nullptr);
  ~CVorelView() override;

  CVorelDoc* GetDocument() const { return m_pDoc; }
  // The application's settings (zoom, writing mode, numbering style); null keeps the defaults.
  void SetAppSettings(CVorelAppSettings* pSettings);
  HWND GetSafeHwnd() const { return m_hWnd; }

  void OnInitialUpdate();
  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
  void ResetFromDocument();
  // The layout pass of the whole sheet; null measures on the view's own layout context.
  void RecalcLayout(CDC* pDC = nullptr);

  // Mapping and coordinates.
  void SetMapping(CDC* pDC);
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
  void SetScreenOrigin(CDC* pDC, CCoordMapper* pMapper, const RECT& rcClient);
  void SetOriginForExtent(CDC* pDC, CCoordMapper* pMapper, const RECT& rcExtent);
  void DocToClient(POINT* pPoint);
  void DocToClientRect(RECT* pRect) override;
  void ClientToDoc(POINT* pPoint);
  void ClientToDocRect(RECT* pRect);
  CCoordMapper* GetCoordMapper() override { return &m_mapper; }
  SIZE GetPageSize() const;
  RECT GetPageMargins() const;

  // Painting.
  void OnDraw(CDC* pDC);
  void DrawContainerFrame(CDC* pDC);
  void DrawSelectionOn(CDC* pDC);
  void InvertSelection();
  // The sheet is drawn again at the next paint, whole or in a rectangle of client pixels.
  void Invalidate();
  void InvalidateRect(const QRect& rect);

  // Caret, scrolling and zoom.
  BOOL UpdateCaret(BOOL bPickFont);
  void RefreshCaret();
  void CreateSystemCaret();
  void UpdateScrollSizes(const SIZE* pClient = nullptr);
  void OnVScroll(SCROLL_CODE nCode, int nTrackPos = 0);
  void OnHScroll(SCROLL_CODE nCode, int nTrackPos = 0);
  void ScrollCaretIntoView();
  void OnViewZoom();
  void OnZoomCombo();
  void OnZoomComboNotify(LRESULT* pResult);
  int GetToolbarZoom();
  void SetToolbarZoom(int nZoom);
  // "%3dページ" of the caret's page; empty without a caret node.
  CStringW GetPagePaneText() const;
  void OnUpdatePagePane(CCmdUI* pCmdUI);

  // Keyboard and input method.
  void OnChar(UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0);
  void TypeChar(UINT nChar);
  // Inserts the text at the caret as one undo step and one layout pass; control characters
  // are dropped and a surrogate pair stays one character.
  BOOL TypeText(const CStringW& text);
  BOOL DoBackspace();
  BOOL DoNewLine();
  BOOL DoDeleteForward();
  void OnEditClear() { DoDeleteForward(); }
  // A character chosen in a palette; pFont lends its face when given.
  void OnPaletteChar(char16_t ch, const LOGFONTA* pFont);
  // Answers whether the key was one of the view's.
  BOOL OnKeyDown(int nKey, BOOL bShift);
  BOOL IsImeOpen() const;
  void SetImeOpen(BOOL bOpen);
  void PlaceImeWindow();
  const QString& GetPreeditText() const { return m_strPreedit; }

  // Commands.
  void OnViewLineEnds();
  void OnUpdateViewLineEnds(CCmdUI* pCmdUI);
  void OnFormatFont();
  // Copy, cut, text copy, object copy and font are enabled with a selection anchor.
  void OnUpdateNeedSelection(CCmdUI* pCmdUI);
  void OnEditUndo();
  void OnEditRedo();

  CEditCaret& GetCaret() { return m_caret; }
  const RECT& GetCaretRect() const { return m_rcCaret; }
  // The caret bar in client pixels, empty while the view has no caret.
  QRect GetCaretBar() const { return m_bCaretCreated ? m_rcCaretBar : QRect(); }
  // Sheet layouts and drawings of the sheet since the view was made, for tests and benchmarks.
  int GetLayoutPassCount() const { return m_nLayoutPasses; }
  int GetSheetDrawCount() const { return m_nSheetDraws; }
  // The answer fields selected in field mode, the current one first.
  void SetFieldSelection(CEditNode* pCurrent, const std::vector<CEditNode*>& fields);

  void SetCaretNode(CEditNode* pNode) override;
  void SetInteractionMode(int nMode) override { m_nViewMode = nMode; }
  int GetInteractionMode() const { return m_nViewMode; }
  CEditNode* GetEditedNameField() const { return m_pKimeiran; }
  void SetEditedNameField(CEditNode* pNameField) override { m_pKimeiran = pNameField; }
  void SaveCaretContext() override { m_savedCaret = m_caret; }
  const CEditCaret& GetSavedCaret() const { return m_savedCaret; }

 protected:
  // The back buffer; a null image when it cannot be made.
  virtual QImage MakeBuffer(const QSize& size, qreal ratio);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool bNext) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  // The process-wide writing direction is the view's while the sheet is laid out or drawn.
  class CWritingDirection {
   public:
    explicit CWritingDirection(int bVertical);
    ~CWritingDirection();
    CWritingDirection(const CWritingDirection&) = delete;
    CWritingDirection& operator=(const CWritingDirection&) = delete;

   private:
    int m_bSaved;
  };

  CEditPrint* GetSheetRoot() const;
  CMainFrame* GetParentFrame() const;
  CStandardToolBar* GetStandardToolBar() const;
  void ConnectFrame();
  int ClientWidth() const;

  // Painting.
  bool EnsureBuffer();
  void RenderBuffer();
  RECT VisibleSheetRect();
  bool TakeScreenInk(CScreenInkRecord* pRecord);
  void InvalidateChanges(const CScreenInkRecord& before, POINT ptOrigin);
  void DrawPageBackgrounds(CDC* pDC, CEditPrint& root);
  void DrawVisiblePages(CDC* pDC, CEditPrint& root, RECT clip);
  void DrawFieldHandles(CDC* pDC);
  void DrawCaretBar(QPainter& painter);
  struct PREEDIT_LAYOUT {
    LOGFONTA lf;
    std::u16string text;
    QRect box;       // client pixels
    QPoint cursor;   // from the box's corner to the cursor, along the line
  };
  LOGFONTA CompositionFont() const;
  bool MeasurePreedit(PREEDIT_LAYOUT* pLayout) const;
  void DrawPreedit(QPainter& painter);
  // Where the caret bar stands in the composition: after its cursor, along the line.
  QPoint PreeditCaretOffset() const;
  void OnDisplayChange();
  void UpdateCursor();

  // Caret and scrolling.
  void PickCaretFont(CEditNode* pNode);
  void HideCaretBar();
  void OnCaretBlink();
  SIZE ClientExtent() const;
  void ApplyScrollBars();
  void ScrollBy(bool bVerticalBar, int nStep);
  void OnZoomEntered() { OnZoomComboNotify(nullptr); }

  // Typing.
  BOOL ChooseInputFont(CStringW& text, CEditNode* pParent);
  void TakeCaretFace(const LOGFONTA& lf);
  // Runs one edit into a new group; the group is pushed when it recorded anything, even
  // when the model failed half-way, so every change made stays undoable. The edit may clear
  // the flag that has the caret take its font from the tree afterwards.
  BOOL RunEdit(const std::function<BOOL(CUndoGroup*, BOOL*)>& edit);
  void AfterEdit(BOOL bPickFont);
  void LayOutEdit(BOOL bPickFont);
  void DeleteSelectionInto(CUndoGroup* pUndo);
  void ReplayHistory(bool bUndo);
  void KeepCaretInSheet();

  // Caret keys.
  BOOL HandleCaretKey(int nKey, BOOL bShift);
  CEditNode* MoveToCaretStop(CEditNode* pNode, BOOL bExtend, CEditNode* (CEditNode::*pfnMove)(CEditCaret*, BOOL));
  void SetSelectionAnchor(CEditNode* pAnchor);
  BOOL CaretLeft(BOOL bExtend);
  BOOL CaretRight(BOOL bExtend);
  BOOL CaretUp(BOOL bExtend);
  BOOL CaretDown(BOOL bExtend);
  BOOL CaretLineEnd(BOOL bExtend);
  BOOL CaretLineStart(BOOL bExtend);
  BOOL MoveCaretBy(const std::function<CEditNode*(CEditNode*)>& move);

  CVorelDoc* m_pDoc;
  CVorelAppSettings* m_pSettings;
  HWND m_hWnd = nullptr;
  CCoordMapper m_mapper;
  POINT m_ptWindowOrg{0, 0};

  QImage m_buffer;
  QRect m_rcDirty;  // of the buffer, in client pixels
  bool m_bBufferFailed = false;
  bool m_bInPaint = false;
  int m_nLayoutPasses = 0;
  int m_nSheetDraws = 0;

  LOGFONTA m_lfText{};
  LOGFONTA m_lfMath{};
  CEditCaret m_caret;
  CEditCaret m_savedCaret;
  RECT m_rcCaret{0, 0, 1, 10};
  POINT m_ptCaretIme{0, 0};
  QRect m_rcCaretBar;
  bool m_bCaretCreated = false;
  bool m_bCaretOn = false;
  QTimer m_caretTimer;

  int m_nViewMode = VIEWMODE_TEXT;
  CEditNode* m_pKimeiran = nullptr;
  CEditNode* m_pCurField = nullptr;
  std::vector<CEditNode*> m_listFields;
  CEditNode* m_pGraphic = nullptr;

  bool m_bLeadByteHeld = false;
  unsigned char m_nLeadByte = 0;
  int m_nWheelDelta = 0;
  SIZE m_docSize{0, 0};
  bool m_bSettingBars = false;

  QString m_strPreedit;
  int m_nPreeditCursor = 0;
  bool m_bImePlaced = false;
  POINT m_ptImePlaced{0, 0};
  LOGFONTA m_lfImePlaced{};
};
