#pragma once
// A first question holding text, ruby, kanbun in both modes, formulas, an in-text answer, a
// numbered underline and a picture: a sheet that touches every writer.

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include "elements/EditCyukai.h"
#include "elements/EditGraphic.h"
#include "elements/EditKan.h"
#include "elements/EditKasen.h"
#include "elements/EditOkurigana.h"
#include "elements/EditPrint.h"
#include "elements/EditRuby.h"
#include "elements/EditRubyBase.h"
#include "elements/EditRubyText.h"
#include "model/CoordMapper.h"
#include "model/EditCR.h"
#include "tests/math/FormulaSamples.h"

namespace rich_sheet {

template <class T>
T* InsertBeforeLineEnd(CEditNode* part, T* node) {
  part->InsertChild(part->GetChildCount() - 1, node);
  return node;
}

inline void AddLine(CEditNode* parent, const char16_t* text) {
  for (; *text; ++text) parent->AppendChild(new CEditChar(*text));
  parent->AppendChild(new CEditCR);
}

// Fills the first part of a sheet read from a template; the picture's source file goes into
// pictureFolder.
inline void FillRichSheet(CEditPrint& sheet, const QString& pictureFolder) {
  CEditNode* part = sheet.GetEditChildAt(0);
  ASSERT_TRUE(part);
  for (const char16_t* c = u"本文Ab1"; *c; ++c) InsertBeforeLineEnd(part, new CEditChar(*c));

  auto* ruby = InsertBeforeLineEnd(part, new CEditRuby);
  auto* base = new CEditRubyBase;
  ruby->AppendChild(base);
  AddLine(base, u"漢");
  auto* reading = new CEditRubyText;
  ruby->AppendChild(reading);
  AddLine(reading, u"かん");

  for (BOOL bHyphen : {FALSE, TRUE}) {
    auto* kan = InsertBeforeLineEnd(part, new CEditKan);
    CEditChar kanji(u'人');
    kan->m_bHyphen = bHyphen;
    kan->CreatePartsFromChar(&kanji, bHyphen);
    kan->SetKaeritenText(CStringW(u"二"), nullptr);
    kan->GetRightKanaBox()->InsertChild(0, new CEditChar(u'ト'));
    kan->LockParts(TRUE);
  }

  InsertBeforeLineEnd(part, MakeFractionRow());
  InsertBeforeLineEnd(part, MakeScriptRow());
  auto* answer = InsertBeforeLineEnd(part, new CEditCyukai);
  AddLine(answer, u"答え");
  answer->InsertChild(0, MakeSumRow());
  auto* underline = InsertBeforeLineEnd(part, new CEditKasen);
  AddLine(underline, u"線");

  QImage image(8, 6, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString source = pictureFolder + "/source.png";
  ASSERT_TRUE(image.save(source));
  auto* picture = InsertBeforeLineEnd(part, new CEditGraphic);
  CCoordMapper mapper;
  mapper.SetFromDC(nullptr, 100);
  ASSERT_TRUE(picture->LoadFile(source.toStdString(), &mapper));
}

}  // namespace rich_sheet
