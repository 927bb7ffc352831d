#pragma once
// The device-context back end that paints with QPainter: images (memory and screen buffers),
// printers and PDF writers, and pictures (metafiles).

#include <QPaintDevice>
#include <QPainter>

#include <memory>

#include "platform/DCBackend.h"

class QPagedPaintDevice;
class QPicture;

class CPainterBackend : public CDCBackend {
 public:
  enum class Kind { Memory, Screen, Printer, Metafile };
  // device is not owned; for printers and pictures the painting stays open until destruction.
  CPainterBackend(Kind kind, QPaintDevice* device);
  ~CPainterBackend() override;

  int GetDeviceCaps(int index) const override;
  DWORD GetObjectType() const override;
  bool IsPrinting() const override { return m_kind == Kind::Printer; }
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

  const QImage* Pixels() const override;
  void SetTarget(QImage* image, int bitsPerPixel) override;
  int BitsPerPixel() const override { return m_bitsPerPixel; }
  // Starts the next page of a printer; false elsewhere or when the printer refuses.
  bool NewPage();

 private:
  bool IsRaster() const { return m_kind == Kind::Memory || m_kind == Kind::Screen; }
  QPaintDevice* Device() const;
  QPainter* Begin(const DC_PAINT& paint);
  void End();
  bool ApplyRop2(QPainter& painter, const DC_PAINT& paint);
  void StrokePath(const DC_PAINT& paint, const QPainterPath& path, bool fill);

  Kind m_kind;
  QPaintDevice* m_device;
  QImage* m_target = nullptr;
  int m_bitsPerPixel = 32;
  std::unique_ptr<QPainter> m_open;  // printers and pictures
  std::unique_ptr<QPainter> m_transient;
};

// A memory context's back end, drawing into the bitmap selected into the context.
std::unique_ptr<CDCBackend> MakeMemoryBackend();
// A context over an image owned by the caller (the view's buffer, a test's canvas).
std::unique_ptr<CDCBackend> MakeImageBackend(QImage* image);
std::unique_ptr<CDCBackend> MakePrinterBackend(QPagedPaintDevice* printer);
std::unique_ptr<CDCBackend> MakeMetafileBackend(QPicture* picture);
