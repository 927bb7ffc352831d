#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "elements/EditGraphic.h"
#include "tests/support/TestPaths.h"
#include "model/CoordMapper.h"
#include "platform/AnsiCodePage.h"
#include "platform/Palette.h"
#include "tests/support/Bytes.h"
#include "tests/support/RecordingBackend.h"
#include "tests/support/TestImages.h"

namespace {

// Exactly 256 colours, held in true colour.
QImage TwoHundredFiftySixColours() {
  QImage image(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) image.setPixel(x, y, qRgb(x * 16, y * 16, 128));
  return image;
}

QImage PixelsOf(const CEditGraphic& graphic) {
  CImageBitmap bitmap;
  bitmap.CreateFromDib(graphic.m_hDib);
  return bitmap.Image();
}

QByteArray FileBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Bytes Stored(CEditGraphic& graphic) { return StoreBytes([&](CArchive& ar) { ar.WriteObject(&graphic); }); }

// Through the archive, as a paste does: the picture without the bytes of its file.
std::unique_ptr<CEditGraphic> Pasted(CEditGraphic& graphic) {
  std::unique_ptr<CObject> loaded;
  LoadBytes(Stored(graphic), [&](CArchive& ar) { loaded.reset(ar.ReadObject()); });
  return std::unique_ptr<CEditGraphic>(dynamic_cast<CEditGraphic*>(loaded.release()));
}

class EditGraphicTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  std::string Write(const QImage& image, const char* name, const char* format) {
    const std::string path = Path(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), format, 100));
    return path;
  }
  std::string Gif() const { return DataPath("four-colours.gif"); }
  void Load(CEditGraphic& graphic, const std::string& path) { ASSERT_TRUE(graphic.LoadFile(path, &mapper)); }

  QTemporaryDir dir;
  CCoordMapper mapper;
};

struct EXTENSION_CASE {
  LONG code;
  const char* ext;
};

class EditGraphicExtensionTest : public ::testing::TestWithParam<EXTENSION_CASE> {};

TEST_P(EditGraphicExtensionTest, ExtensionOfTheFormatCode) {
  CEditGraphic graphic;
  graphic.m_fileInfo.nFormat = GetParam().code;
  std::string ext;
  graphic.GetFileExtension(ext);
  EXPECT_EQ(ext, GetParam().ext);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditGraphicExtensionTest,
    ::testing::Values(EXTENSION_CASE{2, "gif"}, EXTENSION_CASE{3, "tif"}, EXTENSION_CASE{97, "tif"},
                      EXTENSION_CASE{138, "tif"}, EXTENSION_CASE{5, "cmp"}, EXTENSION_CASE{30, "cmp"},
                      EXTENSION_CASE{6, "bmp"}, EXTENSION_CASE{84, "bmp"}, EXTENSION_CASE{10, "jpg"},
                      EXTENSION_CASE{101, "jpg"}, EXTENSION_CASE{15, "wmf"}, EXTENSION_CASE{56, "pct"},
                      EXTENSION_CASE{57, "pcd"}, EXTENSION_CASE{75, "png"}, EXTENSION_CASE{80, "fpx"},
                      EXTENSION_CASE{83, "fpx"}, EXTENSION_CASE{91, "ico"}, EXTENSION_CASE{92, "cur"},
                      EXTENSION_CASE{116, "emf"}, EXTENSION_CASE{119, "ani"}, EXTENSION_CASE{0, "img"},
                      EXTENSION_CASE{4, "img"}, EXTENSION_CASE{999, "img"}));

TEST_F(EditGraphicTest, APictureTakesItsSizeThroughTheMapperAndStandsOnItsHalfHeight) {
  const std::string path = Write(GradientImage(300, 150), "wide.png", "png");
  for (int vertical : {0, 1}) {
    CEditGraphic graphic;
    mapper.m_bVertical = vertical;
    Load(graphic, path);
    SIZE expected{300, 150};
    mapper.DPtoLPSize(&expected);
    EXPECT_EQ(graphic.m_nDibWidth, 300);
    EXPECT_EQ(graphic.m_nDibHeight, 150);
    EXPECT_EQ(graphic.m_nWidth, expected.cx);
    EXPECT_EQ(graphic.m_nHeight, expected.cy);
    EXPECT_EQ(graphic.m_fileInfo.nFormat, IMAGE_FORMAT_PNG);
    EXPECT_EQ(graphic.m_fileInfo.nBitsPerPixel, 24);
    EXPECT_EQ(graphic.m_strFile, path);
    EXPECT_EQ(graphic.m_hPalette, nullptr);
    CRecordingDC dc;
    graphic.Measure(&dc, &mapper, nullptr);
    EXPECT_EQ(graphic.m_nAscent, expected.cy / 2);
    EXPECT_EQ(graphic.m_nCenter, expected.cy / 2);
  }
}

TEST_F(EditGraphicTest, DrawsTheWholePictureIntoItsMappedRectangle) {
  CEditGraphic graphic;
  Load(graphic, Write(GradientImage(300, 150), "wide.png", "png"));
  EDIT_LAYOUT_PARAM arrange{};
  arrange.nX = 1000;
  arrange.nY = 2000;
  graphic.Arrange(&arrange, 0);
  EXPECT_EQ(graphic.m_rcInk.right, 1000 + graphic.m_nWidth);
  EXPECT_EQ(graphic.m_rcInk.bottom, 2000 + graphic.m_nHeight);
  CRecordingDC dc;
  graphic.Draw(&dc, &mapper, nullptr);
  ASSERT_EQ(dc.Recorder().Calls().size(), 1u);
  const DC_CALL& call = dc.Recorder().Calls()[0];
  RECT expected = graphic.m_rcInk;
  mapper.LPtoDPRect(&expected);
  EXPECT_EQ(call.name, "Image");
  EXPECT_EQ(call.points[0].x, expected.left);
  EXPECT_EQ(call.points[0].y, expected.top);
  EXPECT_EQ(call.points[1].x, expected.right);
  EXPECT_EQ(call.points[1].y, expected.bottom);
}

// Metafiles and the other formats without a reader, and damaged files, leave no picture.
TEST_F(EditGraphicTest, AnUnreadableFileLeavesNoPictureAndDrawsNothing) {
  QFile metafile(dir.filePath("figure.wmf"));
  ASSERT_TRUE(metafile.open(QIODevice::WriteOnly));
  metafile.write(QByteArray("\xD7\xCD\xC6\x9A\x00\x00\x00\x00\x00\x00\x10\x00\x10\x00\x60\x00", 16));
  metafile.close();
  for (const std::string& path : {Path("figure.wmf"), Path("missing.png")}) {
    CEditGraphic graphic;
    Load(graphic, Write(GradientImage(), "earlier.png", "png"));
    graphic.m_nWidth = graphic.m_nHeight = 0;
    EXPECT_FALSE(graphic.LoadFile(path, &mapper));
    EXPECT_EQ(graphic.m_hDib, nullptr);
    EXPECT_EQ(graphic.m_nDibWidth, 0);
    EXPECT_EQ(graphic.m_nDibHeight, 0);
    EXPECT_EQ(graphic.m_fileInfo.nFormat, 0);
    EXPECT_EQ(graphic.m_hPalette, nullptr);
    CRecordingDC dc;
    graphic.Draw(&dc, &mapper, nullptr);
    EXPECT_TRUE(dc.Recorder().Calls().empty());
    EXPECT_FALSE(graphic.SaveFile(Path("out.png").c_str()));
  }
}

TEST_F(EditGraphicTest, ArchiveRecordHoldsPathSizeFileInfoAndDibWithoutThePaletteHandle) {
  CEditGraphic graphic;
  Load(graphic, Gif());
  ASSERT_NE(graphic.m_hPalette, nullptr);
  const Bytes bytes = Stored(graphic);
  // The record starts with the path, after the class header.
  const std::string& path = graphic.m_strFile;
  auto at = std::search(bytes.begin(), bytes.end(), path.begin(), path.end());
  ASSERT_NE(at, bytes.end());
  EXPECT_EQ(at[-1], BYTE(path.size()));
  const size_t offset = size_t(at - bytes.begin()) + path.size();
  auto readLong = [&](size_t o) {
    LONG v;
    std::memcpy(&v, &bytes[o], 4);
    return v;
  };
  EXPECT_EQ(readLong(offset), 8);
  EXPECT_EQ(readLong(offset + 4), 4);
  EXPECT_EQ(readLong(offset + 8), 0);
  EXPECT_EQ(std::memcmp(&bytes[offset + 12], &graphic.m_fileInfo, sizeof(IMAGE_FILE_INFO)), 0);
  EXPECT_EQ(readLong(offset + 12 + 1132), LONG(GlobalSize(graphic.m_hDib)));

  std::unique_ptr<CEditGraphic> copy = Pasted(graphic);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_nType, NTYPE_EDITGRAPHIC);
  EXPECT_EQ(copy->m_strFile, graphic.m_strFile);
  EXPECT_EQ(copy->m_nDibWidth, 8);
  EXPECT_EQ(copy->m_nDibHeight, 4);
  EXPECT_EQ(copy->m_nWidth, graphic.m_nWidth);
  EXPECT_EQ(copy->m_hDib->m_bytes, graphic.m_hDib->m_bytes);
  EXPECT_EQ(std::memcmp(&copy->m_fileInfo, &graphic.m_fileInfo, sizeof(IMAGE_FILE_INFO)), 0);
  ASSERT_NE(copy->m_hPalette, nullptr);
  EXPECT_NE(copy->m_hPalette, graphic.m_hPalette);
  EXPECT_EQ(copy->m_hPalette->GetEntryCount(), 4);
}

// The archive holds the path in the ANSI code page, as the class library's strings are.
TEST_F(EditGraphicTest, APathTravelsInTheAnsiCodePage) {
  CEditGraphic graphic;
  const std::string path = Write(GradientImage(), "問題01.png", "png");
  Load(graphic, path);
  const Bytes bytes = Stored(graphic);
  const std::string text = WideToAnsi(QString::fromStdString(path).toStdU16String());
  const Bytes ansi(text.begin(), text.end());
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), ansi.begin(), ansi.end()), bytes.end());
  EXPECT_EQ(Pasted(graphic)->m_strFile, path);
}

TEST_F(EditGraphicTest, ARecordWithoutAPictureKeepsThePictureHeld) {
  CEditGraphic empty;
  const Bytes bytes = StoreBytes([&](CArchive& ar) { empty.Serialize(ar); });
  CEditGraphic graphic;
  Load(graphic, Gif());
  const Bytes dib = graphic.m_hDib->m_bytes;
  LoadBytes(bytes, [&](CArchive& ar) { graphic.Serialize(ar); });
  ASSERT_NE(graphic.m_hDib, nullptr);
  EXPECT_EQ(graphic.m_hDib->m_bytes, dib);
  EXPECT_EQ(graphic.m_nDibWidth, 8);
  EXPECT_NE(graphic.m_hPalette, nullptr);

  std::unique_ptr<CEditGraphic> copy = Pasted(empty);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_hDib, nullptr);
}

// The DIB is checked against its header: a block that does not hold what its header says
// fails the load.
TEST_F(EditGraphicTest, ADamagedDibFailsTheLoad) {
  CEditGraphic graphic;
  Load(graphic, Gif());
  const Bytes good = Stored(graphic);
  const Bytes dib = graphic.m_hDib->m_bytes;
  const size_t dibAt = size_t(std::search(good.begin(), good.end(), dib.begin(), dib.end()) - good.begin());
  const size_t sizeAt = dibAt - 4;
  auto damaged = [&](auto change) {
    Bytes bytes = good;
    change(bytes);
    return bytes;
  };
  const Bytes cases[] = {
      damaged([&](Bytes& b) { b[dibAt + 14] = 7; }),                          // seven bits per pixel
      damaged([&](Bytes& b) { b[dibAt + 4] = 0x40; }),                        // wider than the bits
      damaged([&](Bytes& b) { b[sizeAt + 3] = 0x80; }),                       // negative size
      damaged([&](Bytes& b) { b[sizeAt] = BYTE(b[sizeAt] + 8); }),            // more than the data
      damaged([&](Bytes& b) { b.resize(dibAt + 20); }),                       // cut short
  };
  for (const Bytes& bytes : cases) {
    std::unique_ptr<CObject> loaded;
    EXPECT_THROW(LoadBytes(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject()); }), CArchiveException);
  }
}

// An unchanged picture goes back as the bytes it came from, in its own format.
TEST_F(EditGraphicTest, AnUnchangedPictureIsWrittenBackAsItsFile) {
  const std::string sources[] = {Write(GradientImage(), "a.png", "png"), Write(GradientImage(), "a.jpg", "jpeg"),
                                 Write(GradientImage(), "a.bmp", "bmp"), Write(GradientImage(), "a.tif", "tiff"), Gif()};
  const char* extensions[] = {"png", "jpg", "bmp", "tif", "gif"};
  for (int i = 0; i < 5; ++i) {
    CEditGraphic graphic;
    Load(graphic, sources[i]);
    std::string ext;
    graphic.GetFileExtension(ext);
    EXPECT_EQ(ext, extensions[i]);
    const std::string out = Path("side") + "." + ext;
    ASSERT_TRUE(graphic.SaveFile(out.c_str()));
    EXPECT_EQ(FileBytes(out), FileBytes(sources[i])) << ext;
  }
}

struct REENCODE_CASE {
  const char* qtFormat;
  const char* ext;
  int tolerance;
};

class EditGraphicReencodeTest : public EditGraphicTest, public ::testing::WithParamInterface<REENCODE_CASE> {};

// Without its file's bytes a picture is encoded again: reloaded, its pixels are the same.
TEST_P(EditGraphicReencodeTest, SavedAndReloadedPixelsMatch) {
  const REENCODE_CASE& c = GetParam();
  CEditGraphic graphic;
  Load(graphic, Write(GradientImage(), "source", c.qtFormat));
  std::unique_ptr<CEditGraphic> pasted = Pasted(graphic);
  std::string ext;
  pasted->GetFileExtension(ext);
  EXPECT_EQ(ext, c.ext);
  EXPECT_EQ(pasted->m_fileInfo.nBitsPerPixel, 24);
  const std::string out = Path("side.") + ext;
  ASSERT_TRUE(pasted->SaveFile(out.c_str()));
  CEditGraphic reloaded;
  Load(reloaded, out);
  EXPECT_EQ(reloaded.m_fileInfo.nFormat, graphic.m_fileInfo.nFormat);
  EXPECT_LE(MaxPixelDifference(PixelsOf(reloaded), PixelsOf(graphic)), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Formats, EditGraphicReencodeTest,
                         ::testing::Values(REENCODE_CASE{"png", "png", 0}, REENCODE_CASE{"jpeg", "jpg", 12},
                                           REENCODE_CASE{"bmp", "bmp", 0}, REENCODE_CASE{"tiff", "tif", 0}));

// No GIF writer here: a GIF that must be encoded again becomes a PNG, name and record alike.
TEST_F(EditGraphicTest, AGifWithoutItsBytesIsSavedAsAnEightBitPng) {
  CEditGraphic graphic;
  Load(graphic, Gif());
  std::unique_ptr<CEditGraphic> pasted = Pasted(graphic);
  std::string ext;
  pasted->GetFileExtension(ext);
  EXPECT_EQ(ext, "png");
  EXPECT_EQ(pasted->m_fileInfo.nFormat, IMAGE_FORMAT_PNG);
  EXPECT_EQ(pasted->m_fileInfo.nBitsPerPixel, 8);
  const std::string out = Path("side.png");
  ASSERT_TRUE(pasted->SaveFile(out.c_str()));
  QImageReader reader(QString::fromStdString(out));
  EXPECT_EQ(reader.format(), QByteArray("png"));
  const QImage written = reader.read();
  EXPECT_EQ(written.format(), QImage::Format_Indexed8);
  EXPECT_EQ(MaxPixelDifference(written, PixelsOf(graphic)), 0);
}

// Eight bits only for what a palette holds: 256 colours go to a palette, more keep their depth.
TEST_F(EditGraphicTest, APngIsWrittenAtEightBitsOnlyWhenItsColoursFit) {
  struct {
    QImage image;
    int bits;
  } cases[] = {{TwoHundredFiftySixColours(), 8}, {GradientImage(), 24}};
  for (const auto& c : cases) {
    CEditGraphic graphic;
    Load(graphic, Write(c.image, "colours.png", "png"));
    std::unique_ptr<CEditGraphic> pasted = Pasted(graphic);
    std::string ext;
    pasted->GetFileExtension(ext);
    EXPECT_EQ(pasted->m_fileInfo.nBitsPerPixel, c.bits);
    const std::string out = Path("side.png");
    ASSERT_TRUE(pasted->SaveFile(out.c_str()));
    const QImage written(QString::fromStdString(out));
    EXPECT_EQ(written.format() == QImage::Format_Indexed8, c.bits == 8);
    EXPECT_EQ(MaxPixelDifference(written, c.image), 0);
  }
}

TEST_F(EditGraphicTest, AJpegKeepsItsDepth) {
  struct {
    QImage image;
    int bits;
  } cases[] = {{GradientImage(), 24}, {GradientImage().convertToFormat(QImage::Format_Grayscale8), 8}};
  for (const auto& c : cases) {
    CEditGraphic graphic;
    Load(graphic, Write(c.image, "photo.jpg", "jpeg"));
    std::unique_ptr<CEditGraphic> pasted = Pasted(graphic);
    std::string ext;
    pasted->GetFileExtension(ext);
    EXPECT_EQ(ext, "jpg");
    EXPECT_EQ(pasted->m_fileInfo.nBitsPerPixel, c.bits);
    const std::string out = Path("side.jpg");
    ASSERT_TRUE(pasted->SaveFile(out.c_str()));
    EXPECT_EQ(QImage(QString::fromStdString(out)).format() == QImage::Format_Grayscale8, c.bits == 8);
  }
}

}  // namespace
