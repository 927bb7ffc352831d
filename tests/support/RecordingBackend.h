#pragma once
// A device-context back end for tests: it logs each primitive in device units and answers
// the fake metrics of FakeFontMetrics.h. Use it through CRecordingDC:
//
//   CRecordingDC dc;
//   dc.TextOutW(...);
//   EXPECT_EQ(dc.Recorder().Calls()[0].name, "Text");

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/DC.h"
#include "tests/support/FakeFontMetrics.h"

struct DC_CALL {
  // "Polyline", "Polygon", "PolyBezier", "Rectangle", "Arc", "FillRect", "PatBlt", "Text",
  // "Image".
  std::string name;
  // Device points: the vertices; for rectangles the top-left and bottom-right corners; for
  // Arc the box corners, then the start and end points; for Text each character's origin on
  // the baseline; for Image the destination corners.
  std::vector<POINT> points;
  std::u16string text;
  LOGFONTA font{};         // Text: the selected font
  COLORREF penColor = 0;
  int penStyle = 0;
  int penWidth = 0;        // device pixels, 0 for cosmetic
  UINT brushStyle = 0;
  COLORREF brushColor = 0;
  COLORREF textColor = 0;
  COLORREF bkColor = 0;
  int bkMode = 0;
  int rop2 = 0;
  DWORD rop = 0;           // PatBlt and Image
  double angle = 0;        // Text: direction of the line
  bool clipped = false;
  // "Name x,y x,y ..." and, for text, the text in UTF-8.
  std::string ToString() const;
};

class CRecordingBackend : public CDCBackend {
 public:
  int GetDeviceCaps(int index) const override;
  DWORD GetObjectType() const override { return m_objectType; }
  bool IsPrinting() const override { return m_bPrinting; }
  const CFontMetrics& Metrics(const LOGFONTA& lf) override;

  void Polyline(const DC_PAINT& paint, const std::vector<POINT>& points) override;
  void Polygon(const DC_PAINT& paint, const std::vector<POINT>& points) override;
  void PolyBezier(const DC_PAINT& paint, const std::vector<POINT>& points) override;
  void Rectangle(const DC_PAINT& paint, const RECT& rect) override;
  void Arc(const DC_PAINT& paint, const RECT& box, POINT start, POINT end) override;
  void FillRect(const DC_PAINT& paint, const RECT& rect, const CBrush& brush) override;
  void PatBlt(const DC_PAINT& paint, const RECT& rect, DWORD rop) override;
  void Text(const DC_PAINT& paint, const DC_TEXT& text) override;
  void Image(const DC_PAINT& paint, const RECT& dst, const QImage& image, const QRect& src, DWORD rop) override;

  const std::vector<DC_CALL>& Calls() const { return m_calls; }
  std::vector<std::string> Lines() const;
  void Clear() { m_calls.clear(); }

  FAKE_FONT m_font;
  int m_logPixels = 96;
  SIZE m_size{1024, 768};
  bool m_bPrinting = false;
  DWORD m_objectType = OBJ_MEMDC;

 private:
  DC_CALL& Record(const char* name, const DC_PAINT& paint, std::vector<POINT> points);

  std::vector<DC_CALL> m_calls;
  std::map<std::string, std::unique_ptr<CFakeFontMetrics>> m_metrics;
};

// A device context over a recording back end.
class CRecordingDC : public CDC {
 public:
  CRecordingDC();
  CRecordingBackend& Recorder() { return *static_cast<CRecordingBackend*>(Backend()); }
};
