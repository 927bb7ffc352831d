#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <gtest/gtest.h>
#include <hb.h>

#include <algorithm>
#include <vector>

#include "platform/AnsiCodePage.h"
#include "platform/FaceSubstitution.h"
#include "platform/FontFace.h"
#include "platform/FontFile.h"

// Measuring reads the installed file through fontconfig while drawing goes through the face Qt
// picks: both must be the same face, or text would be measured with one font and drawn with another.
namespace {

QRawFont QtFace(const QString& family, bool bBold, bool bItalic) {
  QFont font(family);
  font.setPixelSize(100);
  font.setBold(bBold);
  font.setItalic(bItalic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::NoFontMerging);
  return QRawFont::fromFont(font);
}

// The families sheets name through the substitution table, and those that fill in missing glyphs.
std::vector<QString> FamiliesInUse() {
  std::vector<QString> families = FallbackFamilies();
  for (const std::u16string& face : SubstitutedFaceNames())
    families.push_back(ResolveFace(WideToAnsi(face)).family);
  return families;
}

// Every family Qt lists (a generic name such as "Serif" is no file) and those in use.
std::vector<QString> FamiliesToCheck() {
  std::vector<QString> families = FamiliesInUse();
  for (const QString& family : QFontDatabase::families())
    if (!family.contains(u'[')) families.push_back(family);  // not the foundry-qualified duplicates
  return families;
}

}  // namespace

TEST(FontFile, OpensTheFaceQtDrawsWith) {
  const std::vector<QString> inUse = FamiliesInUse();
  for (const QString& family : FamiliesToCheck()) {
    for (bool bBold : {false, true}) {
      for (bool bItalic : {false, true}) {
        SCOPED_TRACE(family.toStdString() + (bBold ? " bold" : "") + (bItalic ? " italic" : ""));
        hb_face_t* file = OpenFontFile(family, bBold, bItalic);
        if (!file) {
          EXPECT_EQ(std::find(inUse.begin(), inUse.end(), family), inUse.end());
          continue;
        }
        QRawFont qt = QtFace(family, bBold, bItalic);
        for (const char* tag : {"head", "name", "cmap"})
          EXPECT_TRUE(FaceTable(file, tag) == qt.fontTable(tag)) << tag;
        hb_face_destroy(file);
      }
    }
  }
}

TEST(FontFile, AnUnknownFamilyIsLeftToQt) {
  EXPECT_EQ(OpenFontFile(QStringLiteral("No Such Family 7Q"), false, false), nullptr);
  const CFontFace* face = CFontFace::Get(QStringLiteral("No Such Family 7Q"), false, false);
  const GLYPH_INFO& glyph = face->Glyph(U'A');
  EXPECT_NE(glyph.glyph, 0u);
  EXPECT_GT(glyph.hAdvance, 0);
  EXPECT_FALSE(face->RawFontAt(20).familyName().isEmpty());
}
