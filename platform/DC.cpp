#include "platform/DC.h"

#include <QPolygon>

#include <algorithm>

#include <cmath>
#include <cstdint>

#include "platform/AnsiCodePage.h"
#include "platform/DibImage.h"
#include "platform/PainterBackend.h"
#include "platform/StockObjects.h"
#include "platform/Utf16.h"

CDC::CDC() { ResetState(); }

CDC::CDC(std::unique_ptr<CDCBackend> backend) { Attach(std::move(backend)); }

CDC::~CDC() = default;

void CDC::Attach(std::unique_ptr<CDCBackend> backend) {
  m_backend = std::move(backend);
  m_defaultBitmap.reset();
  m_saved.clear();
  ResetState();
}

void CDC::ResetState() {
  m_state = STATE{};
  m_state.pen = static_cast<CPen*>(GetStockObject(BLACK_PEN));
  m_state.brush = static_cast<CBrush*>(GetStockObject(WHITE_BRUSH));
  m_state.font = static_cast<CFont*>(GetStockObject(SYSTEM_FONT));
  m_state.textColor = RGB(0, 0, 0);
  m_state.bkColor = RGB(255, 255, 255);
  m_state.bkMode = OPAQUE;
  m_state.rop2 = R2_COPYPEN;
  m_state.polyFillMode = ALTERNATE;
  m_state.stretchMode = BLACKONWHITE;
  RefreshMetrics();
}

void CDC::RefreshMetrics() {
  m_state.metrics = m_backend ? &m_backend->Metrics(m_state.font->LogFont()) : nullptr;
}

BOOL CDC::CreateCompatibleDC(const CDC*) {
  auto bitmap = std::make_unique<CBitmap>();
  bitmap->CreateBitmap(1, 1, 1, 1, nullptr);
  Attach(MakeMemoryBackend());
  m_defaultBitmap = std::move(bitmap);
  m_state.bitmap = m_defaultBitmap.get();
  RetargetBitmap();
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (!m_backend) return FALSE;
  Attach(nullptr);
  return TRUE;
}

int CDC::GetDeviceCaps(int index) const { return m_backend ? m_backend->GetDeviceCaps(index) : 0; }
BOOL CDC::IsPrinting() const { return m_backend && m_backend->IsPrinting(); }
DWORD CDC::GetObjectType() const { return m_backend ? m_backend->GetObjectType() : 0; }
int CDC::BitsPerPixel() const { return m_backend ? m_backend->BitsPerPixel() : 32; }

CPen* CDC::SelectObject(CPen* pen) {
  if (!pen || !pen->IsCreated()) return nullptr;
  return std::exchange(m_state.pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (!brush || !brush->IsCreated()) return nullptr;
  return std::exchange(m_state.brush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
  if (!font || !font->IsCreated()) return nullptr;
  CFont* old = std::exchange(m_state.font, font);
  RefreshMetrics();
  return old;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!bitmap || !bitmap->IsCreated() || !m_defaultBitmap) return nullptr;
  CBitmap* old = std::exchange(m_state.bitmap, bitmap);
  RetargetBitmap();
  return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
  if (auto* pen = dynamic_cast<CPen*>(object)) return SelectObject(pen);
  if (auto* brush = dynamic_cast<CBrush*>(object)) return SelectObject(brush);
  if (auto* font = dynamic_cast<CFont*>(object)) return SelectObject(font);
  if (auto* bitmap = dynamic_cast<CBitmap*>(object)) return SelectObject(bitmap);
  return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) { return SelectObject(GetStockObject(index)); }

void CDC::RetargetBitmap() {
  if (m_backend && m_state.bitmap) {
    m_backend->SetTarget(&m_state.bitmap->Image(), m_state.bitmap->BitsPerPixel());
  }
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL) {
  if (palette && !palette->IsCreated()) return nullptr;
  return std::exchange(m_state.palette, palette);
}

UINT CDC::RealizePalette() { return m_state.palette ? UINT(m_state.palette->GetEntryCount()) : 0; }

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_state.textColor, color); }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_state.bkColor, color); }

int CDC::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(m_state.bkMode, mode);
}

UINT CDC::SetTextAlign(UINT flags) { return std::exchange(m_state.textAlign, flags); }

int CDC::SetROP2(int mode) {
  if (mode < R2_BLACK || mode > R2_WHITE) return 0;
  return std::exchange(m_state.rop2, mode);
}

int CDC::SetPolyFillMode(int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return std::exchange(m_state.polyFillMode, mode);
}

int CDC::SetStretchBltMode(int mode) {
  if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return std::exchange(m_state.stretchMode, mode);
}

int CDC::SaveDC() {
  m_saved.push_back(m_state);
  return int(m_saved.size());
}

BOOL CDC::RestoreDC(int saved) {
  int depth = int(m_saved.size());
  int target = saved < 0 ? depth + saved + 1 : saved;
  if (target < 1 || target > depth) return FALSE;
  m_state = m_saved[size_t(target - 1)];
  m_saved.resize(size_t(target - 1));
  RetargetBitmap();
  return TRUE;
}

DC_PAINT CDC::Paint() const {
  const CPen& pen = *m_state.pen;
  int width = 0;
  if (pen.IsGeometric() || pen.Width() > 1) {
    width = int(std::lround(std::fabs(pen.Width() * m_state.mapping.ScaleX())));
    if (width < 1) width = 1;
  }
  return DC_PAINT{&pen, width, m_state.brush, m_state.textColor, m_state.bkColor, m_state.bkMode,
                  m_state.rop2, m_state.polyFillMode, m_state.clip ? &*m_state.clip : nullptr};
}

std::vector<POINT> CDC::ToDevice(const POINT* points, int count) const {
  std::vector<POINT> device;
  device.reserve(size_t(count));
  for (int i = 0; i < count; ++i) device.push_back(m_state.mapping.ToDevice(points[i]));
  return device;
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_state.current, CPoint(x, y)); }

BOOL CDC::LineTo(int x, int y) {
  POINT line[2] = {m_state.current, POINT{x, y}};
  m_state.current = CPoint(x, y);
  return Polyline(line, 2);
}

BOOL CDC::Polyline(const POINT* points, int count) {
  if (!m_backend || !points || count < 2) return FALSE;
  m_backend->Polyline(Paint(), ToDevice(points, count));
  return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count) {
  if (!m_backend || !points || count < 2) return FALSE;
  m_backend->Polygon(Paint(), ToDevice(points, count));
  return TRUE;
}

BOOL CDC::PolyBezier(const POINT* points, int count) {
  if (!m_backend || !points || count < 4 || (count - 1) % 3 != 0) return FALSE;
  m_backend->PolyBezier(Paint(), ToDevice(points, count));
  return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  if (!m_backend) return FALSE;
  CRect device(m_state.mapping.ToDevice(RECT{left, top, right, bottom}));
  device.NormalizeRect();
  m_backend->Rectangle(Paint(), device);
  return TRUE;
}

BOOL CDC::Rectangle(const RECT* rect) {
  return rect && Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  if (!m_backend) return FALSE;
  CRect box(m_state.mapping.ToDevice(RECT{left, top, right, bottom}));
  POINT start = m_state.mapping.ToDevice(POINT{xStart, yStart});
  POINT end = m_state.mapping.ToDevice(POINT{xEnd, yEnd});
  // Counter-clockwise is meant in logical space; a mirrored mapping turns it round.
  if (m_state.mapping.IsMirrored()) std::swap(start, end);
  box.NormalizeRect();
  m_backend->Arc(Paint(), box, start, end);
  return TRUE;
}

BOOL CDC::Arc(const RECT* box, POINT start, POINT end) {
  return box && Arc(box->left, box->top, box->right, box->bottom, start.x, start.y, end.x, end.y);
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
  if (!m_backend || !rect || !brush || !brush->IsCreated()) return;
  CRect device(m_state.mapping.ToDevice(*rect));
  device.NormalizeRect();
  m_backend->FillRect(Paint(), device, *brush);
}

void CDC::FrameRect(const RECT* rect, CBrush* brush) {
  if (!m_backend || !rect || !brush || !brush->IsCreated()) return;
  CRect device(m_state.mapping.ToDevice(*rect));
  device.NormalizeRect();
  if (device.IsRectEmpty()) return;
  DC_PAINT paint = Paint();
  const RECT edges[4] = {{device.left, device.top, device.right, device.top + 1},
                         {device.left, device.bottom - 1, device.right, device.bottom},
                         {device.left, device.top, device.left + 1, device.bottom},
                         {device.right - 1, device.top, device.right, device.bottom}};
  for (const RECT& edge : edges) m_backend->FillRect(paint, edge, *brush);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  CBrush brush(color);
  FillRect(rect, &brush);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  if (!m_backend) return FALSE;
  CRect device(m_state.mapping.ToDevice(RECT{x, y, x + width, y + height}));
  device.NormalizeRect();
  m_backend->PatBlt(Paint(), device, rop);
  return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop) {
  return StretchBlt(x, y, width, height, src, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
  if (!src) return PatBlt(x, y, width, height, rop);
  return Blit(RECT{x, y, x + width, y + height}, src,
              RECT{xSrc, ySrc, xSrc + srcWidth, ySrc + srcHeight}, rop);
}

BOOL CDC::Blit(const RECT& dst, CDC* src, const RECT& srcLogical, DWORD rop) {
  if (!m_backend || !src->m_backend || !src->m_backend->Pixels()) return FALSE;
  CRect from(src->m_state.mapping.ToDevice(srcLogical));
  from.NormalizeRect();
  CRect to(m_state.mapping.ToDevice(dst));
  to.NormalizeRect();
  if (from.IsRectEmpty() || to.IsRectEmpty()) return FALSE;
  m_backend->Image(Paint(), to, *src->m_backend->Pixels(),
                   QRect(from.left, from.top, from.Width(), from.Height()), rop);
  return TRUE;
}

int CDC::SetMapMode(int mode) {
  if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return 0;
  int old = std::exchange(m_state.mapping.mode, mode);
  if (mode == MM_TEXT) {
    m_state.mapping.windowExt = SIZE{1, 1};
    m_state.mapping.viewportExt = SIZE{1, 1};
  }
  return old;
}

CPoint CDC::SetWindowOrg(int x, int y) { return std::exchange(m_state.mapping.windowOrg, POINT{x, y}); }
CPoint CDC::SetViewportOrg(int x, int y) {
  return std::exchange(m_state.mapping.viewportOrg, POINT{x, y});
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
  POINT org = m_state.mapping.windowOrg;
  return SetWindowOrg(org.x + dx, org.y + dy);
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  POINT org = m_state.mapping.viewportOrg;
  return SetViewportOrg(org.x + dx, org.y + dy);
}

CSize CDC::SetWindowExt(int cx, int cy) {
  DC_MAPPING& m = m_state.mapping;
  CSize old = m.windowExt;
  if (m.mode == MM_TEXT || cx == 0 || cy == 0) return old;
  m.windowExt = SIZE{cx, cy};
  m.FitIsotropic();
  return old;
}

CSize CDC::SetViewportExt(int cx, int cy) {
  DC_MAPPING& m = m_state.mapping;
  CSize old = m.viewportExt;
  if (m.mode == MM_TEXT || cx == 0 || cy == 0) return old;
  m.viewportExt = SIZE{cx, cy};
  m.FitIsotropic();
  return old;
}

void CDC::LPtoDP(POINT* points, int count) const {
  for (int i = 0; i < count; ++i) points[i] = m_state.mapping.ToDevice(points[i]);
}

void CDC::LPtoDP(RECT* rect) const { *rect = m_state.mapping.ToDevice(*rect); }

void CDC::LPtoDP(SIZE* size) const {
  const DC_MAPPING& m = m_state.mapping;
  size->cx = MulDiv(size->cx, std::abs(m.viewportExt.cx), std::abs(m.windowExt.cx));
  size->cy = MulDiv(size->cy, std::abs(m.viewportExt.cy), std::abs(m.windowExt.cy));
}

void CDC::DPtoLP(POINT* points, int count) const {
  for (int i = 0; i < count; ++i) points[i] = m_state.mapping.ToLogical(points[i]);
}

void CDC::DPtoLP(RECT* rect) const {
  POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  DPtoLP(corners, 2);
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void CDC::DPtoLP(SIZE* size) const {
  const DC_MAPPING& m = m_state.mapping;
  size->cx = MulDiv(size->cx, std::abs(m.windowExt.cx), std::abs(m.viewportExt.cx));
  size->cy = MulDiv(size->cy, std::abs(m.windowExt.cy), std::abs(m.viewportExt.cy));
}

namespace {

int RegionKind(const QRegion& region) {
  if (region.isEmpty()) return NULLREGION;
  return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion DeviceRect(const DC_MAPPING& mapping, int left, int top, int right, int bottom) {
  CRect r(mapping.ToDevice(RECT{left, top, right, bottom}));
  r.NormalizeRect();
  return QRegion(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

void CDC::ClipTo(const QRegion& deviceRegion) {
  m_state.clip = m_state.clip ? m_state.clip->intersected(deviceRegion) : deviceRegion;
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  ClipTo(DeviceRect(m_state.mapping, left, top, right, bottom));
  return RegionKind(*m_state.clip);
}

int CDC::IntersectClipRect(const RECT* rect) {
  return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
  QRegion excluded = DeviceRect(m_state.mapping, left, top, right, bottom);
  if (!m_state.clip) {
    int w = GetDeviceCaps(HORZRES), h = GetDeviceCaps(VERTRES);
    m_state.clip = QRegion(0, 0, w, h);
  }
  m_state.clip = m_state.clip->subtracted(excluded);
  return RegionKind(*m_state.clip);
}

int CDC::SelectClipRgn(CRgn* region) {
  if (!region) {
    m_state.clip.reset();
    return SIMPLEREGION;
  }
  if (!region->IsCreated()) return ERROR;
  m_state.clip = region->Region();
  return RegionKind(*m_state.clip);
}

int CDC::GetClipBox(RECT* rect) const {
  QRect box = m_state.clip ? m_state.clip->boundingRect()
                           : QRect(0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
  *rect = RECT{box.left(), box.top(), box.left() + box.width(), box.top() + box.height()};
  DPtoLP(rect);
  CRect normal(*rect);
  normal.NormalizeRect();
  *rect = normal;
  return m_state.clip ? RegionKind(*m_state.clip) : SIMPLEREGION;
}

BOOL CDC::GetTextMetrics(TEXTMETRICA* tm) const {
  if (!m_state.metrics || !tm) return FALSE;
  *tm = m_state.metrics->GetTextMetrics();
  return TRUE;
}

namespace {

// One advance per UTF-16 unit: a surrogate pair measures as its character, its second half as 0.
std::vector<int> CharAdvances(const CFontMetrics& metrics, std::u16string_view text) {
  std::vector<int> advances;
  advances.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    size_t units = 1;
    advances.push_back(metrics.GetCharAdvance(CodePointAt(text, i, &units)));
    if (units == 2) advances.push_back(0), ++i;
  }
  return advances;
}

}  // namespace

BOOL CDC::GetTextExtentPoint32W(const char16_t* text, int count, SIZE* size) const {
  if (!m_state.metrics || !size || count < 0 || (count > 0 && !text)) return FALSE;
  const CFontMetrics& metrics = *m_state.metrics;
  LONG width = 0;
  for (int advance : CharAdvances(metrics, std::u16string_view(text, size_t(count)))) width += advance;
  *size = SIZE{width, metrics.GetTextMetrics().tmHeight};
  return TRUE;
}

BOOL CDC::GetTextExtentPoint32A(const char* text, int count, SIZE* size) const {
  if (count < 0 || (count > 0 && !text)) return FALSE;
  std::u16string wide = AnsiToWide(std::string_view(text, size_t(count)));
  return GetTextExtentPoint32W(wide.data(), int(wide.size()), size);
}

CSize CDC::GetTextExtent(std::u16string_view text) const {
  SIZE size{0, 0};
  GetTextExtentPoint32W(text.data(), int(text.size()), &size);
  return size;
}

namespace {

// The character of a code: a single byte, or (lead << 8) | trail.
char16_t AnsiCodeToWide(UINT code) {
  char bytes[2] = {char(code >> 8), char(code & 0xFF)};
  std::string_view ansi = code > 0xFF ? std::string_view(bytes, 2) : std::string_view(bytes + 1, 1);
  std::u16string wide = AnsiToWide(ansi);
  return wide.size() == 1 ? wide[0] : char16_t(0x30FB);
}

}  // namespace

BOOL CDC::GetCharABCWidthsA(UINT first, UINT last, ABC* out) const {
  if (!m_state.metrics || !out || last < first) return FALSE;
  for (UINT code = first; code <= last; ++code) out[code - first] = m_state.metrics->GetCharABC(AnsiCodeToWide(code));
  return TRUE;
}

BOOL CDC::GetCharABCWidthsW(UINT first, UINT last, ABC* out) const {
  if (!m_state.metrics || !out || last < first || last > 0xFFFF) return FALSE;
  for (UINT c = first; c <= last; ++c) out[c - first] = m_state.metrics->GetCharABC(char16_t(c));
  return TRUE;
}

BOOL CDC::TextOutW(int x, int y, const char16_t* text, int count) {
  if (!m_backend || count < 0 || (count > 0 && !text)) return FALSE;
  DrawText(x, y, std::u16string_view(text, size_t(count)), nullptr, nullptr);
  return TRUE;
}

BOOL CDC::TextOutA(int x, int y, const char* text, int count) {
  if (count < 0 || (count > 0 && !text)) return FALSE;
  std::u16string wide = AnsiToWide(std::string_view(text, size_t(count)));
  return TextOutW(x, y, wide.data(), int(wide.size()));
}

BOOL CDC::TextOut(int x, int y, std::u16string_view text) {
  return TextOutW(x, y, text.data(), int(text.size()));
}

BOOL CDC::ExtTextOutW(int x, int y, UINT options, const RECT* rect, const char16_t* text, int count,
                      const int* dx) {
  if (!m_backend || count < 0 || (count > 0 && !text)) return FALSE;
  if (rect && (options & ETO_OPAQUE)) FillSolidRect(rect, m_state.bkColor);
  DrawText(x, y, std::u16string_view(text, size_t(count)), dx,
           rect && (options & ETO_CLIPPED) ? rect : nullptr);
  return TRUE;
}

BOOL CDC::ExtTextOutA(int x, int y, UINT options, const RECT* rect, const char* text, int count,
                      const int* dx) {
  if (count < 0 || (count > 0 && !text)) return FALSE;
  std::string_view ansi(text, size_t(count));
  std::u16string wide;
  std::vector<int> wideDx;
  // A double-byte character advances by the sum of its two bytes' entries.
  for (size_t i = 0; i < ansi.size();) {
    auto lead = static_cast<unsigned char>(ansi[i]);
    size_t length = IsAnsiLeadByte(lead) && i + 1 < ansi.size() ? 2 : 1;
    std::u16string unit = AnsiToWide(ansi.substr(i, length));
    wide += unit.empty() ? u"\u30FB" : unit.substr(0, 1);
    if (dx) wideDx.push_back(length == 2 ? dx[i] + dx[i + 1] : dx[i]);
    i += length;
  }
  return ExtTextOutW(x, y, options, rect, wide.data(), int(wide.size()), dx ? wideDx.data() : nullptr);
}

void CDC::DrawText(int x, int y, std::u16string_view text, const int* dx, const RECT* clip) {
  if (!m_state.metrics) return;
  bool updateCp = m_state.textAlign & TA_UPDATECP;
  if (updateCp) {
    x = m_state.current.x;
    y = m_state.current.y;
  }
  if (updateCp) MoveCurrentPastText(x, y, text, dx);
  if (text.empty() || !MayReachClip(x, y, text, dx)) return;
  DC_TEXT placed = PlaceText(x, y, text, dx);
  if (!clip) {
    m_backend->Text(Paint(), placed);
    return;
  }
  std::optional<QRegion> saved = m_state.clip;
  IntersectClipRect(clip);
  m_backend->Text(Paint(), placed);
  m_state.clip = saved;
}

// Whether text at (x, y) can put ink inside the clip region. No glyph reaches further from
// its origin than its advance and two ems, whatever its alignment and escapement.
bool CDC::MayReachClip(int x, int y, std::u16string_view text, const int* dx) const {
  if (!m_state.clip) return true;
  const TEXTMETRICA& tm = m_state.metrics->GetTextMetrics();
  const LOGFONTA& lf = m_state.font->LogFont();
  const double em = std::max({std::fabs(double(lf.lfHeight)), double(tm.tmHeight), double(tm.tmMaxCharWidth)});
  double along = 0;
  for (size_t i = 0; i < text.size(); ++i) along += dx ? std::fabs(double(dx[i])) : em;
  const double reach = along + 2 * em;
  const POINT a = m_state.mapping.ToDevice(x - reach, y - reach);
  const POINT b = m_state.mapping.ToDevice(x + reach, y + reach);
  const QRect box = QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
                        .adjusted(-2, -2, 2, 2);
  return m_state.clip->intersects(box);
}

DC_TEXT CDC::PlaceText(int x, int y, std::u16string_view text, const int* dx) const {
  const CFontMetrics& metrics = *m_state.metrics;
  const LOGFONTA& lf = m_state.font->LogFont();
  const TEXTMETRICA& tm = metrics.GetTextMetrics();
  std::vector<int> advances = dx ? std::vector<int>(dx, dx + text.size()) : CharAdvances(metrics, text);
  double total = 0;
  for (int advance : advances) total += advance;
  UINT align = m_state.textAlign;
  double u = (align & TA_CENTER) == TA_CENTER ? -total / 2 : (align & TA_RIGHT) ? -total : 0;
  double v = (align & TA_BASELINE) == TA_BASELINE ? 0 : (align & TA_BOTTOM) ? -tm.tmDescent : tm.tmAscent;
  double angle = lf.lfEscapement / 10.0;
  double radians = angle * M_PI / 180;
  double dirX = std::cos(radians), dirY = -std::sin(radians);
  double downX = -dirY, downY = dirX;
  auto at = [&](double along, double across) {
    return m_state.mapping.ToDevice(x + dirX * along + downX * across, y + dirY * along + downY * across);
  };
  DC_TEXT placed{&lf, &metrics, text, {}, 0, 1, angle, {}};
  double along = u;
  for (int advance : advances) {
    placed.origins.push_back(at(along, v));
    along += advance;
  }
  double em = lf.lfHeight < 0 ? -double(lf.lfHeight) : double(tm.tmHeight - tm.tmInternalLeading);
  double sx = std::fabs(m_state.mapping.ScaleX()), sy = std::fabs(m_state.mapping.ScaleY());
  placed.deviceEm = em * sy;
  placed.alongScale = sy > 0 ? sx / sy : 1;
  if (m_state.bkMode == OPAQUE) {
    placed.background = {at(u, v - tm.tmAscent), at(u + total, v - tm.tmAscent),
                         at(u + total, v + tm.tmDescent), at(u, v + tm.tmDescent)};
  }
  return placed;
}

void CDC::MoveCurrentPastText(int x, int y, std::u16string_view text, const int* dx) {
  std::vector<int> advances = dx ? std::vector<int>(dx, dx + text.size()) : CharAdvances(*m_state.metrics, text);
  double total = 0;
  for (int advance : advances) total += advance;
  UINT align = m_state.textAlign;
  double shift = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -total : total;
  double radians = m_state.font->LogFont().lfEscapement / 10.0 * M_PI / 180;
  m_state.current = CPoint(x + int(std::lround(shift * std::cos(radians))),
                           y - int(std::lround(shift * std::sin(radians))));
}

namespace {

// The image of a DIB passed as header and bits, which the caller vouches for.
QImage CallerDib(const BITMAPINFO* info, const void* bits, DIB_LAYOUT* layout) {
  if (!ReadDibLayout(info, SIZE_MAX, layout)) return QImage();
  return DibToImage(info, SIZE_MAX, bits, layout->bitsSize);
}

// A source rectangle whose y counts from the bottom row of a bottom-up bitmap.
QRect DibSourceRect(const DIB_LAYOUT& layout, int xSrc, int ySrc, int width, int height) {
  int rows = int(layout.height < 0 ? -layout.height : layout.height);
  int top = layout.height > 0 ? rows - ySrc - height : ySrc;
  return QRect(xSrc, top, width, height);
}

}  // namespace

int CDC::SetDIBitsToDevice(int x, int y, DWORD width, DWORD height, int xSrc, int ySrc, UINT startScan,
                           UINT scanLines, const void* bits, const BITMAPINFO* info, UINT) {
  DIB_LAYOUT layout;
  QImage image = CallerDib(info, bits, &layout);
  if (image.isNull() || startScan != 0 || width > INT32_MAX || height > INT32_MAX) return 0;
  POINT origin = m_state.mapping.ToDevice(POINT{x, y});
  RECT dst{origin.x, origin.y, origin.x + LONG(width), origin.y + LONG(height)};
  QRect src = DibSourceRect(layout, xSrc, ySrc, int(width), int(height));
  return DrawDibBits(dst, src, image, SRCCOPY) ? int(std::min<UINT>(scanLines, UINT(image.height()))) : 0;
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                       int srcHeight, const void* bits, const BITMAPINFO* info, UINT, DWORD rop) {
  DIB_LAYOUT layout;
  QImage image = CallerDib(info, bits, &layout);
  if (image.isNull() || srcWidth <= 0 || srcHeight <= 0) return 0;
  CRect dst(m_state.mapping.ToDevice(RECT{x, y, x + width, y + height}));
  dst.NormalizeRect();
  QRect src = DibSourceRect(layout, xSrc, ySrc, srcWidth, srcHeight);
  return DrawDibBits(dst, src, image, rop) ? srcHeight : 0;
}

int CDC::DrawDibBits(const RECT& dst, const QRect& src, const QImage& image, DWORD rop) {
  QRect clipped = src.intersected(image.rect());
  if (!m_backend || clipped.isEmpty() || dst.right <= dst.left || dst.bottom <= dst.top) return 0;
  m_backend->Image(Paint(), dst, image, src, rop);
  return 1;
}
