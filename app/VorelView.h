#pragma once
// The editing view: the sheet page by page on a grey background, exactly as it prints, in
// either writing direction and at any zoom. It lays the sheet out once per change, at a fixed
// 2540 : 96, and paints through a back buffer.

#include <QAbstractScrollArea>
#include <QImage>

#include "app/DocView.h"
#include "model/CoordMapper.h"

class CDC;
class CEditPrint;
class CVorelDoc;

class CVorelView : public QAbstractScrollArea, public CDocView {
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

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  CEditPrint* GetSheetRoot() const;
  void OnDraw(CDC* pDC);
  void DrawPageBackgrounds(CDC* pDC, CEditPrint& root);
  void ApplyScrollOrigin();
  int PixelsToLayout(int nPixels) const;

  CVorelDoc* m_pDoc;
  CCoordMapper m_mapper;
  QImage m_buffer;
  int m_nLayoutPasses = 0;
};
