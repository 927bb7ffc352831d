#pragma once
// Lays a sheet out as the editing view does and prints its pages into PNG files for a person
// to look at, in either writing direction.

#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>

#include "elements/EditPrint.h"
#include "model/CoordMapper.h"
#include "model/GdiCache.h"
#include "model/LayoutDC.h"
#include "platform/DC.h"
#include "platform/PainterBackend.h"

inline void LayOutSheet(CEditPrint& sheet, int vertical) {
  CLayoutDC measureDC;
  CCoordMapper mapper;
  mapper.m_bVertical = vertical;
  sheet.Measure(&measureDC, &mapper, nullptr);
  EDIT_LAYOUT_PARAM arrange{};
  sheet.Arrange(&arrange, vertical);
}

// Page nPage of a laid-out sheet, drawn as it prints.
inline QImage DrawPageImage(CEditPrint& sheet, int vertical, int nPage, int nDotsPerInch = 150) {
  CCoordMapper mapper;
  mapper.m_bVertical = vertical;
  mapper.SetResolution(nDotsPerInch, nDotsPerInch, 100);
  SIZE page{};
  sheet.GetPageSize(&page);
  // Vertical sheets keep their layout turned: the long side runs across the layout.
  const SIZE paper = vertical ? SIZE{page.cy, page.cx} : page;
  if (vertical) mapper.m_nOriginY = page.cy;
  QImage image(paper.cx * nDotsPerInch / 2540, paper.cy * nDotsPerInch / 2540, QImage::Format_RGB32);
  image.fill(Qt::white);
  CDC dc(MakeImageBackend(&image));
  EDIT_LAYOUT_PARAM print{};
  print.nPage = nPage;
  sheet.ArrangePage(&print, vertical);
  sheet.DrawPage(&dc, &mapper, &print);
  return image;
}

// Page nPage of a laid-out sheet at 150 dots per inch.
inline bool SavePagePng(CEditPrint& sheet, int vertical, int nPage, const std::string& path) {
  return DrawPageImage(sheet, vertical, nPage).save(QString::fromStdString(path));
}

// Runs in both writing directions (the parameter is the vertical flag); the sheet is made in
// the direction under test, a vertical one with its page turned.
class SheetPngTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    g_bVerticalWriting = Vertical();
    m_sheet = std::make_unique<CEditPrint>();
    if (Vertical()) {
      const SIZE turned{29700, 21000};
      m_sheet->SetPageSize(&turned);
    }
  }
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  int Vertical() const { return GetParam(); }
  std::string Direction() const { return Vertical() ? "vertical" : "horizontal"; }

  const int m_bSavedVertical = g_bVerticalWriting;
  std::unique_ptr<CEditPrint> m_sheet;
};
