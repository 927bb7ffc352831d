#include <QFile>
#include <QImage>
#include <QTemporaryDir>
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
#include "model/GdiCache.h"
#include "tests/math/FormulaSamples.h"
#include "tests/support/StringWPrint.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

namespace {

template <class T>
T* InsertBeforeLineEnd(CEditNode* part, T* node) {
  part->InsertChild(part->GetChildCount() - 1, node);
  return node;
}

void AddLine(CEditNode* parent, const char16_t* text) {
  for (; *text; ++text) parent->AppendChild(new CEditChar(*text));
  parent->AppendChild(new CEditCR);
}

class SheetRoundTripTest : public ::testing::TestWithParam<BOOL> {
 protected:
  void TearDown() override { g_bVerticalWriting = m_bSavedVertical; }

  // A first question holding text, ruby, kanbun in both modes, an in-text answer, a numbered
  // underline and a picture.
  void BuildRichSheet(CEditPrint& sheet) {
    ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&sheet, GetParam()));
    CEditNode* part = sheet.GetEditChildAt(0);
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
    ASSERT_TRUE(image.save(m_dir.filePath("source.png")));
    auto* picture = InsertBeforeLineEnd(part, new CEditGraphic);
    CCoordMapper mapper;
    mapper.SetFromDC(nullptr, 100);
    ASSERT_TRUE(picture->LoadFile(m_dir.filePath("source.png").toStdString(), &mapper));
  }

  QByteArray Bytes(const std::string& path) const {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  const int m_bSavedVertical = g_bVerticalWriting;
  QTemporaryDir m_dir;
};

}  // namespace

// Written, read into a fresh root and written again under the same file title: the same bytes.
TEST_P(SheetRoundTripTest, ARichSheetSavesTheSameAfterReading) {
  CEditPrint first;
  BuildRichSheet(first);
  const std::string path = m_dir.filePath("sheet.qvp").toStdString();
  ASSERT_TRUE(WriteSheetXml(&first, path.c_str()));
  const QByteArray written = Bytes(path);
  const std::u16string declaration = u"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>";
  EXPECT_TRUE(written.startsWith(QByteArray(reinterpret_cast<const char*>(declaration.data()), qsizetype(declaration.size() * 2))));
  QFile::remove(QStringLiteral(QR_BUILD_DIR) + (GetParam() ? "/sample-sheet-vertical.xml" : "/sample-sheet-horizontal.xml"));
  QFile::copy(QString::fromStdString(path),
              QStringLiteral(QR_BUILD_DIR) + (GetParam() ? "/sample-sheet-vertical.xml" : "/sample-sheet-horizontal.xml"));

  CEditPrint second;
  CSheetReader reader;
  ASSERT_TRUE(reader.LoadXmlFile(&second, path.c_str())) << QString::fromStdU16String(reader.GetError().str()).toStdString();
  EXPECT_TRUE(reader.GetWarnings().empty());
  ASSERT_TRUE(WriteSheetXml(&second, path.c_str()));
  const QString again = QString::fromUtf16(reinterpret_cast<const char16_t*>(Bytes(path).constData()), Bytes(path).size() / 2);
  const QString before = QString::fromUtf16(reinterpret_cast<const char16_t*>(written.constData()), written.size() / 2);
  int at = 0;
  while (at < again.size() && at < before.size() && again[at] == before[at]) ++at;
  EXPECT_EQ(again.toStdString(), before.toStdString()) << "first difference: " << before.mid(at - 150, 300).toStdString() << "\n---\n" << again.mid(at - 150, 300).toStdString();
  EXPECT_EQ(Bytes(path), written);
}

INSTANTIATE_TEST_SUITE_P(Directions, SheetRoundTripTest, ::testing::Values(FALSE, TRUE),
                         [](const auto& info) { return std::string(info.param ? "Vertical" : "Horizontal"); });
