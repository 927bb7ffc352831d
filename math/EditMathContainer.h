#pragma once
// The base of every formula element: a container whose children form slots, each a run of
// nodes closed by one slot end, laid out as the lines of a single box (line n is slot n).

#include "model/EditContainer.h"
#include "model/EditLineInfo.h"
#include "platform/FontMetrics.h"

// A font height times num / den; heights from damaged data are bounded first.
inline LONG ScaleFontHeight(LONG lfHeight, int num, int den) { return ClampFontExtent(lfHeight) * num / den; }

class CEditMathContainer : public CEditContainer {
  DECLARE_SERIAL(CEditMathContainer)

 public:
  CEditMathContainer();
  explicit CEditMathContainer(DWORD nType);
  ~CEditMathContainer() override;

  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void ApplyDefaultFontHeight(const DEFAULT_FONTS& fonts, CUndoGroup* pUndo) override;
  // Every child takes the element's height; formula containers below resize their own slots.
  void ApplyFontSize(CUndoGroup* pUndo) override;

  // The slot end of slot 0, or null.
  virtual CEditNode* GetFirstSlotEnd();

  // lfHeight x 60 / 105: the height of a script slot.
  int GetScriptHeight() const { return ScriptHeight(m_lf.lfHeight); }
  static int ScriptHeight(LONG lfFullHeight) { return ScaleFontHeight(lfFullHeight, 60, 105); }

 protected:
  struct SLOT_RULES {
    BOOL bWrap;             // a line also closes when the next child does not fit
    BOOL bRecordFontHeight; // lines record their greatest |lfHeight|
  };

  // Lays the children out as the lines of a new box 0 and takes the size of the lines.
  void MeasureSlots(CDC* pDC, CCoordMapper* pMapper, const EDIT_LAYOUT_PARAM& param, const SLOT_RULES& rules);
  // Places box 0's lines one below the other from (x, y), as the plain container does.
  void PlaceLinesFrom(int x, int y, int bVertical, const EDIT_LAYOUT_PARAM* pSpacing);
  // Places the children of one line of box 0 from (x, y): each on the line's ascent and half
  // height, with a hit box of the line's height; stores the line's rectangle. Answers the x
  // after the last child. Spacing comes from pSpacing when given.
  int PlaceLine(int nLine, int x, int y, int bVertical, const EDIT_LAYOUT_PARAM* pSpacing = nullptr);
  // Line n of box 0; throws the layout exception when there is none.
  EDIT_LINE_INFO SlotLine(int nLine) const;
  // Green marks over the empty slots, on screen only.
  void DrawSlotMarks(CDC* pDC, CCoordMapper* pMapper);
  // The child at the index; throws the layout exception when it is missing.
  CEditNode* ChildOrThrow(int index) const;

 private:
  void PlaceFloat(CEditNode& child, int x, int y, const EDIT_LINE_INFO& line, int bVertical);
};

// Thrown inside the formula layout for a missing piece and caught in the same operation.
constexpr int kMissingPiece = 0;
