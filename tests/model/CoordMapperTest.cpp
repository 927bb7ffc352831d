#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "model/CoordMapper.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

namespace {

CCoordMapper Mapper(bool vertical, int zoom = 100, int originX = 0, int originY = 0) {
  CCoordMapper m;
  m.SetZoom(zoom);
  m.m_bVertical = vertical;
  m.m_nOriginX = originX;
  m.m_nOriginY = originY;
  return m;
}

CPoint ToDevice(const CCoordMapper& m, CPoint p) {
  m.LPtoDP(&p);
  return p;
}

CPoint ToLayout(const CCoordMapper& m, CPoint p) {
  m.DPtoLP(&p);
  return p;
}

}  // namespace

TEST(CoordMapper, StartsAtScreenResolutionAndFullSize) {
  CCoordMapper m;
  EXPECT_EQ(m.m_bVertical, 0);
  EXPECT_EQ(m.m_nOriginX, 0);
  EXPECT_EQ(m.m_nOriginY, 0);
  EXPECT_EQ(m.GetZoom(), 100);
  EXPECT_EQ(m.GetResolutionX(), 96);
  EXPECT_EQ(m.GetResolutionY(), 96);
  EXPECT_EQ(m.GetNumeratorX(), 96);
  EXPECT_EQ(m.GetDenominatorX(), 2540);
  EXPECT_EQ(m.GetNumeratorY(), 96);
  EXPECT_EQ(m.GetDenominatorY(), 2540);
}

TEST(CoordMapper, DenominatorsFollowTheZoomRounded) {
  struct Case { int zoom, denominator; } cases[] = {{100, 2540}, {200, 1270}, {75, 3387}, {50, 5080}, {1, 254000}};
  for (const Case& c : cases) {
    CCoordMapper m;
    m.SetZoom(c.zoom);
    EXPECT_EQ(m.GetDenominatorX(), c.denominator) << c.zoom;
    EXPECT_EQ(m.GetDenominatorY(), c.denominator) << c.zoom;
  }
}

TEST(CoordMapper, UnusableZoomIsNeverStored) {
  for (int zoom : {0, -50, 600000}) {
    CCoordMapper m;
    m.SetZoom(150);
    m.SetZoom(zoom);
    EXPECT_EQ(m.GetZoom(), 150) << zoom;
    EXPECT_EQ(m.GetDenominatorX(), 1693) << zoom;
    m.SetResolution(300, 600, zoom);
    EXPECT_EQ(m.GetZoom(), 150) << zoom;
    EXPECT_NE(m.GetDenominatorY(), 0) << zoom;
  }
}

TEST(CoordMapper, SetResolutionKeepsAnAxisGivenNoResolution) {
  CCoordMapper m;
  m.SetResolution(600, 300, 50);
  EXPECT_EQ(m.GetNumeratorX(), 600);
  EXPECT_EQ(m.GetNumeratorY(), 300);
  EXPECT_EQ(m.GetDenominatorX(), 5080);
  m.SetResolution(0, -1, 0);
  EXPECT_EQ(m.GetResolutionX(), 600);
  EXPECT_EQ(m.GetResolutionY(), 300);
  EXPECT_EQ(m.GetZoom(), 50);
  CPoint p(5080, 5080);
  m.DPtoLP(&p);  // no division by a zero numerator
  EXPECT_EQ(p, CPoint(43011, 86021));
}

TEST(CoordMapper, SetFromDCTakesTheContextsResolution) {
  QImage image(8, 8, QImage::Format_RGB32);
  image.setDotsPerMeterX(11811);  // 300 dpi
  image.setDotsPerMeterY(23622);  // 600 dpi
  CDC printer(std::make_unique<CPainterBackend>(CPainterBackend::Kind::Memory, &image));
  CCoordMapper m;
  m.SetFromDC(&printer, 200);
  EXPECT_EQ(m.GetNumeratorX(), 300);
  EXPECT_EQ(m.GetNumeratorY(), 600);
  EXPECT_EQ(m.GetDenominatorX(), 1270);

  CDC blank;  // reports 0 pixels per inch
  m.SetFromDC(&blank, 0);
  EXPECT_EQ(m.GetResolutionX(), 96);
  EXPECT_EQ(m.GetResolutionY(), 96);
  EXPECT_EQ(m.GetZoom(), 200);

  m.SetResolution(300, 300, 0);
  m.SetFromDC(nullptr, 75);
  EXPECT_EQ(m.GetNumeratorX(), 96);
  EXPECT_EQ(m.GetNumeratorY(), 96);
  EXPECT_EQ(m.GetDenominatorY(), 3387);
}

TEST(CoordMapper, MapsPointsInBothWritingDirections) {
  EXPECT_EQ(ToDevice(Mapper(false), CPoint(2540, 1270)), CPoint(96, 48));
  EXPECT_EQ(ToDevice(Mapper(true), CPoint(2540, 1270)), CPoint(-48, 96));
  EXPECT_EQ(ToLayout(Mapper(false), CPoint(96, 48)), CPoint(2540, 1270));
  EXPECT_EQ(ToLayout(Mapper(true), CPoint(-48, 96)), CPoint(2540, 1270));
  // The origin is subtracted before scaling and added back after.
  EXPECT_EQ(ToDevice(Mapper(false, 200, 1000, 500), CPoint(3540, 1770)), CPoint(192, 96));
  EXPECT_EQ(ToDevice(Mapper(true, 200, 1000, 500), CPoint(3540, 1770)), CPoint(-96, 192));
  EXPECT_EQ(ToLayout(Mapper(true, 200, 1000, 500), CPoint(-96, 192)), CPoint(3540, 1770));
}

TEST(CoordMapper, PointsSurviveARoundTrip) {
  const CPoint points[] = {{0, 0}, {2540, 1270}, {-3000, 777}, {12345, -6789}, {1, 1}};
  for (int zoom : {75, 100, 200, 400}) {
    for (bool vertical : {false, true}) {
      CCoordMapper m = Mapper(vertical, zoom, 120, -40);
      for (CPoint p : points) {
        CPoint back = ToLayout(m, ToDevice(m, p));
        // One device pixel is at most 2540 * 100 / 75 / 96 layout units.
        EXPECT_NEAR(back.x, p.x, 18) << zoom << " " << vertical;
        EXPECT_NEAR(back.y, p.y, 18) << zoom << " " << vertical;
      }
      for (CPoint d : {CPoint(96, 48), CPoint(-48, 96), CPoint(7, -3)})
        EXPECT_EQ(ToDevice(m, ToLayout(m, d)), d) << zoom << " " << vertical;
    }
  }
}

TEST(CoordMapper, MapsSizesAndExchangesThemInVerticalWriting) {
  CSize size(2540, 1270);
  Mapper(false, 100, 500, 500).LPtoDPSize(&size);
  EXPECT_EQ(size, CSize(96, 48));
  size = CSize(2540, 1270);
  Mapper(true, 100, 500, 500).LPtoDPSize(&size);
  EXPECT_EQ(size, CSize(48, 96));
  Mapper(true).DPtoLPSize(&size);
  EXPECT_EQ(size, CSize(2540, 1270));
  size = CSize(96, 48);
  Mapper(false, 200).DPtoLPSize(&size);
  EXPECT_EQ(size, CSize(1270, 635));
}

TEST(CoordMapper, MapsRectanglesKeepingThemNormalised) {
  const CRect layout(0, 0, 2540, 1270);
  CRect rect = layout;
  Mapper(false).LPtoDPRect(&rect);
  EXPECT_EQ(rect, CRect(0, 0, 96, 48));
  Mapper(false).DPtoLPRect(&rect);
  EXPECT_EQ(rect, layout);

  rect = layout;
  Mapper(true).LPtoDPRect(&rect);
  EXPECT_EQ(rect, CRect(-48, 0, 0, 96));
  EXPECT_LT(rect.left, rect.right);
  EXPECT_LT(rect.top, rect.bottom);
  Mapper(true).DPtoLPRect(&rect);
  EXPECT_EQ(rect, layout);

  const CRect shifted(1000, 2000, 3540, 3270);
  for (bool vertical : {false, true}) {
    CCoordMapper m = Mapper(vertical, 200, 1000, 2000);
    rect = shifted;
    m.LPtoDPRect(&rect);
    EXPECT_EQ(rect, vertical ? CRect(-96, 0, 0, 192) : CRect(0, 0, 192, 96));
    m.DPtoLPRect(&rect);
    EXPECT_EQ(rect, shifted) << vertical;
  }
}

TEST(CoordMapper, ScalesFontSizesWithoutTurning) {
  for (bool vertical : {false, true}) {
    LOGFONTA lf{};
    lf.lfHeight = -371;
    lf.lfWidth = 185;
    Mapper(vertical, 100, 999, 999).LPtoDPFontSize(&lf);
    EXPECT_EQ(lf.lfHeight, -14) << vertical;
    EXPECT_EQ(lf.lfWidth, 7) << vertical;
  }
  CCoordMapper m;
  m.SetResolution(96, 192, 100);
  LOGFONTW lf{};
  lf.lfHeight = -371;
  lf.lfWidth = -371;
  m.LPtoDPFontSize(&lf);
  EXPECT_EQ(lf.lfHeight, -28);
  EXPECT_EQ(lf.lfWidth, -14);
}

TEST(CoordMapper, CopyTakesEveryField) {
  CCoordMapper source = Mapper(true, 75, 10, 20);
  source.SetResolution(600, 300, 0);
  CCoordMapper copy;
  copy.Copy(source);
  EXPECT_EQ(copy.m_bVertical, 1);
  EXPECT_EQ(copy.m_nOriginX, 10);
  EXPECT_EQ(copy.m_nOriginY, 20);
  EXPECT_EQ(copy.GetZoom(), 75);
  EXPECT_EQ(copy.GetNumeratorX(), 600);
  EXPECT_EQ(copy.GetNumeratorY(), 300);
  EXPECT_EQ(copy.GetDenominatorX(), 3387);
  EXPECT_EQ(ToDevice(copy, CPoint(2540, 1270)), ToDevice(source, CPoint(2540, 1270)));
}
