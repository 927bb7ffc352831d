#include "platform/StockObjects.h"

#include "platform/AnsiCodePage.h"
#include "platform/Brush.h"
#include "platform/Font.h"
#include "platform/Pen.h"

namespace {

CBrush* Brush(COLORREF color) { return new CBrush(color); }

CFont* MakeFont(LONG height, const char16_t* face, BYTE charSet) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = charSet;
  CopyAnsiBounded(lf.lfFaceName, LF_FACESIZE, WideToAnsi(face).c_str());
  auto* font = new CFont;
  font->CreateFontIndirect(&lf);
  return font;
}

CBrush* HollowBrush() {
  auto* brush = new CBrush;
  brush->CreateHollowBrush();
  return brush;
}

}  // namespace

CGdiObject* GetStockObject(int index) {
  // Built on first use and kept for the life of the process.
  static CGdiObject* const objects[] = {
      Brush(RGB(255, 255, 255)), Brush(RGB(192, 192, 192)), Brush(RGB(128, 128, 128)),
      Brush(RGB(64, 64, 64)),    Brush(RGB(0, 0, 0)),       HollowBrush(),
      new CPen(PS_SOLID, 0, RGB(255, 255, 255)), new CPen(PS_SOLID, 0, RGB(0, 0, 0)),
      new CPen(PS_NULL, 0, RGB(0, 0, 0)),
      nullptr, nullptr, nullptr, nullptr,
      MakeFont(16, u"System", SHIFTJIS_CHARSET),
      nullptr, nullptr, nullptr,
      MakeFont(-12, u"ＭＳ Ｐゴシック", SHIFTJIS_CHARSET)};
  if (index < 0 || index >= int(std::size(objects))) return nullptr;
  return objects[index];
}
