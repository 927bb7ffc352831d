// Pictures as the sheet takes them. The first byte chooses: odd, the rest is a packed DIB
// handed to a picture node through its archive record, as clipboard data and old sheets
// hold it; even, the rest is a picture file the node loads. What loads is laid out, drawn,
// written as its side file would be, and that file must load again.

#include <QImageReader>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "elements/EditGraphic.h"
#include "fuzz/FuzzSupport.h"
#include "model/CoordMapper.h"
#include "model/DibFunctions.h"
#include "model/GdiCache.h"
#include "platform/Archive.h"
#include "platform/DibImage.h"
#include "platform/File.h"

namespace {

// Pictures up to the reader's own bound (16 M pixels) take the same paths as small ones, row by
// row, only longer under the sanitizers (converted, drawn, encoded and decoded again): the fuzzer
// keeps to 64 K pixels and spends its time on other inputs.
constexpr long long kMaxFuzzedPixels = 1 << 16;

bool IsLarge(long long width, long long height) {
  return width * (height < 0 ? -height : height) > kMaxFuzzedPixels;
}

// A picture record holding the DIB: the head of an empty record with the DIB's size, the
// DIB, then the node's own record.
std::vector<BYTE> RecordWithDib(const uint8_t* dib, size_t size) {
  CEditGraphic empty;
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    empty.Serialize(ar);
  }
  const std::vector<BYTE>& stored = file.Data();
  constexpr size_t kSizeAt = 1 + 3 * sizeof(LONG) + sizeof(IMAGE_FILE_INFO);
  std::vector<BYTE> record(stored.begin(), stored.begin() + kSizeAt);
  const LONG length = LONG(size);
  const BYTE* lengthBytes = reinterpret_cast<const BYTE*>(&length);
  record.insert(record.end(), lengthBytes, lengthBytes + sizeof length);
  record.insert(record.end(), dib, dib + size);
  record.insert(record.end(), stored.begin() + kSizeAt + sizeof(LONG), stored.end());
  return record;
}

bool LoadDib(CEditGraphic& picture, const uint8_t* data, size_t size) {
  DIB_LAYOUT layout;
  if (size == 0 || (ReadDibLayout(data, size, &layout) && IsLarge(layout.width, layout.height))) return false;
  const std::vector<BYTE> record = RecordWithDib(data, size);
  try {
    CMemFile file(record.data(), UINT(record.size()));
    CArchive ar(&file, CArchive::load);
    picture.Serialize(ar);
  } catch (const CArchiveException&) {
    return false;
  }
  picture.m_nWidth = 4000;
  picture.m_nHeight = 3000;
  return picture.m_hDib != nullptr;
}

bool LoadPictureFile(CEditGraphic& picture, const uint8_t* data, size_t size) {
  const std::string path = FreshFuzzFolder("in") + "/picture";
  if (!WriteFuzzFile(path, data, size)) FuzzFailure("the picture file cannot be written");
  const QSize declared = QImageReader(QString::fromStdString(path)).size();
  // Qt gives a top-down BMP a negative height.
  if (declared.width() > 0 && IsLarge(declared.width(), declared.height())) return false;
  // A GIF's frames are painted on its screen, whose size Qt does not report.
  if (size >= 10 && std::memcmp(data, "GIF", 3) == 0 && IsLarge(data[6] | data[7] << 8, data[8] | data[9] << 8)) return false;
  CCoordMapper mapper;
  return picture.LoadFile(path, &mapper);
}

void LayOutBothWays(CEditGraphic& picture) {
  const int bSavedVertical = g_bVerticalWriting;
  for (int bVertical : {0, 1}) {
    g_bVerticalWriting = bVertical;
    LayOutNode(picture, bVertical);
  }
  g_bVerticalWriting = bSavedVertical;
  // A top-down DIB has no size of its own to report.
  const CSize size = GetDibSize(picture.m_hDib);
  if ((size.cx != 0 || size.cy != 0) && (size.cx != picture.m_nDibWidth || size.cy != picture.m_nDibHeight))
    FuzzFailure("the picture's size is not its DIB's");
}

// Written as the sheet writes its side file, and read back as the sheet reads it.
void SaveAndLoadBack(CEditGraphic& picture) {
  std::string extension;
  picture.GetFileExtension(extension);
  const std::string path = FreshFuzzFolder("out") + "/picture." + extension;
  if (!picture.SaveFile(path.c_str())) FuzzFailure("a picture that loaded cannot be written");
  CEditGraphic again;
  CCoordMapper mapper;
  if (!again.LoadFile(path, &mapper)) FuzzFailure("a written picture does not load back");
  if (again.m_nDibWidth != picture.m_nDibWidth || again.m_nDibHeight != picture.m_nDibHeight)
    FuzzFailure("a written picture loads back in another size");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  CEditGraphic picture;
  const bool loaded = data[0] & 1 ? LoadDib(picture, data + 1, size - 1) : LoadPictureFile(picture, data + 1, size - 1);
  if (!loaded) return 0;
  LayOutBothWays(picture);
  SaveAndLoadBack(picture);
  return 0;
}
