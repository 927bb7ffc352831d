#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstring>
#include <string>
#include <vector>

#include "platform/DibImage.h"
#include "tests/support/TestPaths.h"
#include "platform/ImageBitmap.h"
#include "tests/support/TestImages.h"

namespace {

// Four colours in blocks of 16, so that lossy formats keep them nearly.
QImage FourColours() {
  QImage image(64, 32, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colours[(x / 16 + y / 16) % 4]);
  return image;
}

QImage FromDib(const std::vector<BYTE>& dib) {
  DIB_LAYOUT layout;
  if (!ReadDibLayout(dib.data(), dib.size(), &layout)) return QImage();
  return DibToImage(dib.data(), dib.size(), dib.data() + layout.OffsetOfBits(), dib.size() - layout.OffsetOfBits());
}

class ImageBitmapTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  std::string Write(const QImage& image, const char* name, const char* format) {
    const std::string path = Path(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path), format, 100));
    return path;
  }
  std::string WriteBytes(const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return Path(name);
  }
  QImage Read(const std::string& path) { return QImage(QString::fromStdString(path)); }

  QTemporaryDir dir;
};

struct READ_CASE {
  const char* format;
  LONG code;
};

class ImageReadTest : public ImageBitmapTest, public ::testing::WithParamInterface<READ_CASE> {};

TEST_P(ImageReadTest, ReadsTheFormatByContentWithItsCode) {
  const READ_CASE& c = GetParam();
  const std::string path = Write(GradientImage(), "picture.dat", c.format);
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  ASSERT_TRUE(bitmap.LoadFile(path.c_str(), &info));
  EXPECT_EQ(info.nFormat, c.code);
  EXPECT_EQ(info.nWidth, 40);
  EXPECT_EQ(info.nHeight, 20);
  EXPECT_EQ(info.nFileSize, QFile(QString::fromStdString(path)).size());
  EXPECT_LE(MaxPixelDifference(bitmap.Image(), GradientImage()), 8);
  EXPECT_FALSE(bitmap.FileBytes().empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageReadTest,
                         ::testing::Values(READ_CASE{"png", IMAGE_FORMAT_PNG}, READ_CASE{"jpeg", IMAGE_FORMAT_JPEG},
                                           READ_CASE{"bmp", IMAGE_FORMAT_BMP}, READ_CASE{"tiff", IMAGE_FORMAT_TIFF},
                                           READ_CASE{"ico", IMAGE_FORMAT_ICO}));

TEST_F(ImageBitmapTest, ReadsAGifAsEightBitsWithItsCode) {
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  ASSERT_TRUE(bitmap.LoadFile(DataPath("four-colours.gif").c_str(), &info));
  EXPECT_EQ(info.nFormat, IMAGE_FORMAT_GIF);
  EXPECT_EQ(info.nBitsPerPixel, 8);
  EXPECT_EQ(bitmap.Image().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(bitmap.Image().pixel(2, 0), qRgb(0, 160, 0));
}

// A format without a code of the library's reads as a PNG picture, without its own bytes.
TEST_F(ImageBitmapTest, AFormatWithoutACodeReadsAsPng) {
  const std::string path = Write(FourColours(), "picture.ppm", "ppm");
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  ASSERT_TRUE(bitmap.LoadFile(path.c_str(), &info));
  EXPECT_EQ(info.nFormat, IMAGE_FORMAT_PNG);
  EXPECT_TRUE(bitmap.FileBytes().empty());
}

// Metafiles, PICT, Photo CD, FlashPix, CMP and animated cursors have no reader here.
TEST_F(ImageBitmapTest, UnreadableFilesAnswerFalseWithAClearedRecord) {
  const QByteArray placeable("\xD7\xCD\xC6\x9A\x00\x00\x00\x00\x00\x00\x10\x00\x10\x00", 14);
  const QByteArray riff("RIFF\x10\x00\x00\x00" "ACONanih", 16);
  const std::vector<std::string> paths = {WriteBytes("a.wmf", placeable), WriteBytes("b.ani", riff),
                                          WriteBytes("c.png", QByteArray("\x89PNG\r\n\x1a\n broken", 16)),
                                          WriteBytes("d.emf", QByteArray()), Path("missing.png")};
  for (const std::string& path : paths) {
    CImageBitmap bitmap;
    IMAGE_FILE_INFO info;
    std::memset(&info, 0x5A, sizeof info);
    EXPECT_FALSE(bitmap.LoadFile(path.c_str(), &info)) << path;
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_EQ(info.nFormat, 0);
    EXPECT_EQ(info.nBitsPerPixel, 0);
  }
}

// 35 bytes of GIF declare a screen of 5000 x 5000: too many pixels to be a picture on a sheet.
// The same file with a screen of 60 x 60 reads.
TEST_F(ImageBitmapTest, APictureOfTooManyPixelsIsNotRead) {
  QFile fixture(QString::fromStdString(DataPath("huge-screen.gif")));
  ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
  const QByteArray huge = fixture.readAll();
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  EXPECT_FALSE(bitmap.LoadFile(DataPath("huge-screen.gif").c_str(), &info));
  EXPECT_TRUE(bitmap.IsNull());

  QByteArray small = huge;
  small[6] = small[8] = 60;
  small[7] = small[9] = 0;
  ASSERT_TRUE(bitmap.LoadFile(WriteBytes("small.gif", small).c_str(), &info));
  EXPECT_EQ(info.nWidth, 60);
}

// A top-down BMP's header declares 4096 x 4097 pixels with a negative height, followed by one
// byte of pixels: it is refused like any other picture past the bound. 16 pixels high, it reads.
TEST_F(ImageBitmapTest, ATopDownBmpOfTooManyPixelsIsNotRead) {
  QByteArray header(55, '\0');
  auto put = [&](int at, qint32 v) { std::memcpy(header.data() + at, &v, sizeof v); };
  header[0] = 'B';
  header[1] = 'M';
  put(2, 54);
  put(10, 54);
  put(14, 40);
  put(18, 4096);
  put(22, -4097);
  put(26, 1 | (24 << 16));
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  EXPECT_FALSE(bitmap.LoadFile(WriteBytes("top-down.bmp", header).c_str(), &info));
  put(22, -16);
  ASSERT_TRUE(bitmap.LoadFile(WriteBytes("top-down.bmp", header).c_str(), &info));
  EXPECT_EQ(info.nWidth, 4096);
}

TEST_F(ImageBitmapTest, WritersExistForPngJpegBmpTiffButNotGif) {
  for (LONG code : std::vector<LONG>{IMAGE_FORMAT_PNG, IMAGE_FORMAT_JPEG, 11, IMAGE_FORMAT_BMP, 84, IMAGE_FORMAT_TIFF, 138})
    EXPECT_TRUE(CImageBitmap::CanWrite(code)) << code;
  for (LONG code : std::vector<LONG>{IMAGE_FORMAT_GIF, 15, 116, 0, 999})
    EXPECT_FALSE(CImageBitmap::CanWrite(code)) << code;
}

TEST_F(ImageBitmapTest, QualityFactorTwoIsNinetyFive) {
  EXPECT_EQ(ImageQualityFor(2), 95);
  EXPECT_EQ(ImageQualityFor(255), 5);
  EXPECT_GT(ImageQualityFor(50), ImageQualityFor(100));
}

struct SAVE_CASE {
  LONG code;
  const char* qtFormat;
  int tolerance;
};

class ImageSaveTest : public ImageBitmapTest, public ::testing::WithParamInterface<SAVE_CASE> {};

TEST_P(ImageSaveTest, SavedPixelsReadBack) {
  const SAVE_CASE& c = GetParam();
  CImageBitmap bitmap;
  std::vector<BYTE> dib = ImageToDib(GradientImage());
  HGLOBAL block = GlobalAlloc(GHND, dib.size());
  block->m_bytes = dib;
  ASSERT_TRUE(bitmap.CreateFromDib(block));
  GlobalFree(block);
  const std::string path = Path("saved");
  ASSERT_TRUE(bitmap.SaveFile(path.c_str(), c.code, 24, 2));
  QImageReader reader(QString::fromStdString(path));
  EXPECT_EQ(reader.format(), QByteArray(c.qtFormat));
  EXPECT_LE(MaxPixelDifference(reader.read(), GradientImage()), c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageSaveTest,
                         ::testing::Values(SAVE_CASE{IMAGE_FORMAT_PNG, "png", 0}, SAVE_CASE{IMAGE_FORMAT_BMP, "bmp", 0},
                                           SAVE_CASE{IMAGE_FORMAT_TIFF, "tiff", 0},
                                           SAVE_CASE{IMAGE_FORMAT_JPEG, "jpeg", 40}));

// Eight bits keep every colour of a picture that has no more than 256.
TEST_F(ImageBitmapTest, EightBitsAreLosslessForFewColours) {
  const std::string source = Write(FourColours(), "four.png", "png");
  CImageBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFile(source.c_str(), nullptr));
  EXPECT_TRUE(bitmap.HasAtMostColors(4));
  EXPECT_FALSE(bitmap.HasAtMostColors(3));
  for (LONG code : {IMAGE_FORMAT_PNG, IMAGE_FORMAT_BMP, IMAGE_FORMAT_TIFF}) {
    const std::string path = Path("eight");
    ASSERT_TRUE(bitmap.SaveFile(path.c_str(), code, 8, 2));
    const QImage back = Read(path);
    EXPECT_EQ(back.format(), QImage::Format_Indexed8) << code;
    EXPECT_EQ(MaxPixelDifference(back, FourColours()), 0) << code;
  }
}

TEST_F(ImageBitmapTest, AnEightBitJpegIsGrey) {
  QImage grey = GradientImage().convertToFormat(QImage::Format_Grayscale8);
  const std::string source = Write(grey, "grey.jpg", "jpeg");
  CImageBitmap bitmap;
  IMAGE_FILE_INFO info;
  ASSERT_TRUE(bitmap.LoadFile(source.c_str(), &info));
  EXPECT_EQ(info.nBitsPerPixel, 8);
  const std::string path = Path("again.jpg");
  ASSERT_TRUE(bitmap.SaveFile(path.c_str(), IMAGE_FORMAT_JPEG, 8, 2));
  EXPECT_EQ(Read(path).format(), QImage::Format_Grayscale8);
}

struct DIB_CASE {
  QImage::Format format;
  int bits;
};

class DibFormTest : public ::testing::TestWithParam<DIB_CASE> {};

TEST_P(DibFormTest, ImageToDibAndBackKeepsThePixels) {
  const DIB_CASE& c = GetParam();
  QImage image = FourColours();
  if (c.format == QImage::Format_Mono) {
    image = QImage(13, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 13; ++x) image.setPixel(x, y, (x + y) % 3 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  }
  const QImage source = image.convertToFormat(c.format);
  const std::vector<BYTE> dib = ImageToDib(source);
  DIB_LAYOUT layout;
  ASSERT_TRUE(ReadDibLayout(dib.data(), dib.size(), &layout));
  EXPECT_EQ(layout.bitCount, c.bits);
  EXPECT_GT(layout.height, 0);
  EXPECT_EQ(layout.OffsetOfBits() + layout.bitsSize, dib.size());
  EXPECT_EQ(DibBitCountOf(source), c.bits);
  EXPECT_EQ(MaxPixelDifference(FromDib(dib), source.convertToFormat(QImage::Format_RGB32)), 0);
}

INSTANTIATE_TEST_SUITE_P(Forms, DibFormTest,
                         ::testing::Values(DIB_CASE{QImage::Format_Mono, 1}, DIB_CASE{QImage::Format_Indexed8, 8},
                                           DIB_CASE{QImage::Format_Grayscale8, 8}, DIB_CASE{QImage::Format_RGB32, 24},
                                           DIB_CASE{QImage::Format_RGB888, 24}));

TEST(DibFormTest, TransparentPartsGoOnWhite) {
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(0, 0, 0, 0));
  image.setPixel(1, 0, qRgba(255, 0, 0, 255));
  const QImage back = FromDib(ImageToDib(image));
  EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(back.pixel(1, 0), qRgb(255, 0, 0));
}

// A header longer than 40 bytes holds the masks itself: one of 44 bytes cannot.
TEST(ImageBitmapDibTest, ABitFieldsHeaderTooShortForItsMasksIsRefused) {
  for (DWORD size : {DWORD(44), DWORD(52)}) {
    std::vector<BYTE> dib(size + 4, 0);
    BITMAPINFOHEADER header{};
    header.biSize = size;
    header.biWidth = 1;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_BITFIELDS;
    std::memcpy(dib.data(), &header, sizeof header);
    DIB_LAYOUT layout;
    EXPECT_EQ(ReadDibLayout(dib.data(), dib.size(), &layout), size == 52) << size;
  }
}

TEST(ImageBitmapDibTest, MalformedBlocksAreRefused) {
  std::vector<BYTE> dib = ImageToDib(FourColours());
  CImageBitmap bitmap;
  std::vector<std::vector<BYTE>> bad = {dib, dib, dib, {}};
  bad[0].resize(dib.size() - 1);   // bits cut short
  bad[1][14] = 7;                  // seven bits per pixel
  bad[2][16] = BYTE(BI_RLE8);      // compressed
  for (const auto& bytes : bad) {
    HGLOBAL block = GlobalAlloc(GHND, bytes.size());
    block->m_bytes = bytes;
    EXPECT_FALSE(bitmap.CreateFromDib(block));
    EXPECT_TRUE(bitmap.IsNull());
    GlobalFree(block);
  }
  EXPECT_FALSE(bitmap.CreateFromDib(nullptr));
  EXPECT_EQ(bitmap.CreateDib(), nullptr);
}

}  // namespace

namespace {

// A packed DIB of two rows of three pixels, built by hand: header, masks or colour table,
// rows as stored.
struct HAND_DIB {
  const char* name;
  int bits;
  DWORD compression;
  LONG height;                 // negative: top row first
  std::vector<DWORD> masks;    // bit-field masks after the header
  std::vector<QRgb> table;
  std::vector<BYTE> rows;      // already padded to 32 bits
  std::vector<QRgb> expected;  // top row first
};

std::vector<BYTE> PackDib(const HAND_DIB& c) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = 3;
  header.biHeight = c.height;
  header.biPlanes = 1;
  header.biBitCount = WORD(c.bits);
  header.biCompression = c.compression;
  header.biClrUsed = DWORD(c.table.size());
  std::vector<BYTE> dib(sizeof header);
  std::memcpy(dib.data(), &header, sizeof header);
  auto append = [&dib](const void* p, size_t n) {
    dib.insert(dib.end(), static_cast<const BYTE*>(p), static_cast<const BYTE*>(p) + n);
  };
  for (DWORD mask : c.masks) append(&mask, sizeof mask);
  for (QRgb colour : c.table) {
    const RGBQUAD entry{BYTE(qBlue(colour)), BYTE(qGreen(colour)), BYTE(qRed(colour)), 0};
    append(&entry, sizeof entry);
  }
  append(c.rows.data(), c.rows.size());
  return dib;
}

class HandDibTest : public ::testing::TestWithParam<HAND_DIB> {};

TEST_P(HandDibTest, EveryDepthReadsItsPixels) {
  const HAND_DIB& c = GetParam();
  const QImage image = FromDib(PackDib(c));
  ASSERT_EQ(image.size(), QSize(3, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.pixel(x, y), c.expected[size_t(y * 3 + x)]) << x << "," << y;
}

const QRgb kRed = qRgb(255, 0, 0), kGreen = qRgb(0, 255, 0), kBlue = qRgb(0, 0, 255), kBlack = qRgb(0, 0, 0),
           kGrey = qRgb(128, 128, 128);

// Bottom-up unless the height is negative: the first stored row is the bottom one.
INSTANTIATE_TEST_SUITE_P(
    Depths, HandDibTest,
    ::testing::Values(
        // Indexes past the table are black.
        HAND_DIB{"one", 1, BI_RGB, 2, {}, {kRed}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0},
                 {kRed, kBlack, kRed, kBlack, kRed, kBlack}},
        HAND_DIB{"four", 4, BI_RGB, 2, {}, {kRed, kGreen, kBlue}, {0x01, 0x20, 0, 0, 0x2F, 0x10, 0, 0},
                 {kBlue, kBlack, kGreen, kRed, kGreen, kBlue}},
        HAND_DIB{"eight", 8, BI_RGB, -2, {}, {kRed, kGreen}, {0, 1, 9, 0, 1, 0, 0, 0},
                 {kRed, kGreen, kBlack, kGreen, kRed, kRed}},
        HAND_DIB{"sixteen555", 16, BI_RGB, -2, {}, {}, {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0,
                                                         0x10, 0x42, 0x00, 0x00, 0xFF, 0x7F, 0, 0},
                 {kRed, kGreen, kBlue, qRgb(131, 131, 131), kBlack, qRgb(255, 255, 255)}},
        HAND_DIB{"sixteen565", 16, BI_BITFIELDS, -2, {0xF800, 0x07E0, 0x001F}, {},
                 {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0, 0},
                 {kRed, kGreen, kBlue, qRgb(0, 129, 0), kBlack, kBlack}},
        HAND_DIB{"twentyfour", 24, BI_RGB, 2, {}, {},
                 {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0, 0, 0, 0, 0, 255, 0, 0, 0},
                 {kGrey, kBlack, kRed, kRed, kGreen, kBlue}},
        HAND_DIB{"thirtytwo", 32, BI_RGB, -2, {}, {},
                 {0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9, 128, 128, 128, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                 {kRed, kGreen, kBlue, kGrey, kBlack, kBlack}},
        // Masks need not be bytes: two-bit red, one-bit blue, none for green.
        HAND_DIB{"thirtytwoMasks", 32, BI_BITFIELDS, -2, {0x30, 0, 0x01}, {},
                 {0x30, 0, 0, 0, 0x10, 0, 0, 0, 0x01, 0, 0, 0, 0x21, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0},
                 {kRed, qRgb(85, 0, 0), kBlue, qRgb(170, 0, 255), qRgb(255, 0, 255), kBlack}},
        // A mask of all 32 bits scales without overflowing.
        HAND_DIB{"thirtytwoWideMask", 32, BI_BITFIELDS, -2, {0xFFFFFFFF, 0, 0}, {},
                 {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0},
                 {kRed, qRgb(127, 0, 0), kBlack, qRgb(127, 0, 0), kBlack, kBlack}}),
    [](const ::testing::TestParamInfo<HAND_DIB>& info) { return std::string(info.param.name); });

}  // namespace
