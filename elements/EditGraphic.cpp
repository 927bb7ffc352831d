#include "elements/EditGraphic.h"

#include <cstring>
#include <memory>

#include "model/CoordMapper.h"
#include "model/DibFunctions.h"
#include "platform/AnsiCodePage.h"
#include "platform/Archive.h"
#include "platform/DibImage.h"
#include "platform/DomEncoding.h"
#include "platform/File.h"
#include "platform/Palette.h"

IMPLEMENT_SERIAL(CEditGraphic, CEditNode, 1)

namespace {

constexpr int kQualityFactor = 2;
constexpr int kPaletteColors = 256;

struct FORMAT_EXTENSION {
  LONG code;
  const char* ext;
};

const FORMAT_EXTENSION kExtensions[] = {
    {2, "gif"},   {3, "tif"},   {17, "tif"},  {85, "tif"},  {86, "tif"},  {87, "tif"},  {88, "tif"},
    {93, "tif"},  {94, "tif"},  {95, "tif"},  {96, "tif"},  {97, "tif"},  {138, "tif"}, {5, "cmp"},
    {30, "cmp"},  {6, "bmp"},   {14, "bmp"},  {74, "bmp"},  {84, "bmp"},  {10, "jpg"},  {11, "jpg"},
    {21, "jpg"},  {22, "jpg"},  {23, "jpg"},  {24, "jpg"},  {98, "jpg"},  {101, "jpg"}, {15, "wmf"},
    {56, "pct"},  {57, "pcd"},  {75, "png"},  {80, "fpx"},  {81, "fpx"},  {82, "fpx"},  {83, "fpx"},
    {91, "ico"},  {92, "cur"},  {116, "emf"}, {119, "ani"},
};

const char* ExtensionOf(LONG format) {
  for (const FORMAT_EXTENSION& f : kExtensions)
    if (f.code == format) return f.ext;
  return "img";
}

BOOL WriteBytes(const char* path, const std::vector<BYTE>& bytes) {
  try {
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    file.Write(bytes.data(), UINT(bytes.size()));
    file.Close();
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

CEditGraphic::CEditGraphic() : CEditNode(NTYPE_EDITGRAPHIC) {}

CEditGraphic::~CEditGraphic() { FreeImage(); }

void CEditGraphic::FreeImage() {
  if (m_hDib) GlobalFree(m_hDib);
  m_hDib = nullptr;
  m_nDibWidth = 0;
  m_nDibHeight = 0;
  delete m_hPalette;
  m_hPalette = nullptr;
  m_fileBytes.clear();
  m_nFileBytesFormat = 0;
}

// Keeps the block, its size and its palette when the block is a whole DIB; frees it
// otherwise.
BOOL CEditGraphic::TakeDib(HGLOBAL dib) {
  const size_t size = GlobalSize(dib);
  const void* data = GlobalLock(dib);
  GlobalUnlock(dib);
  DIB_LAYOUT layout;
  if (!data || !ReadDibLayout(data, size, &layout) || layout.OffsetOfBits() + layout.bitsSize > size) {
    GlobalFree(dib);
    return FALSE;
  }
  m_hDib = dib;
  m_nDibWidth = int(layout.width);
  m_nDibHeight = int(layout.height < 0 ? -layout.height : layout.height);
  m_hPalette = CreateDibPalette(dib);
  return TRUE;
}

BOOL CEditGraphic::LoadFile(const std::string& path, CCoordMapper* pMapper) {
  try {
    FreeImage();
    std::memset(&m_fileInfo, 0, sizeof m_fileInfo);
    CImageBitmap bitmap;
    if (!bitmap.LoadFile(path.c_str(), &m_fileInfo)) return FALSE;
    HGLOBAL dib = bitmap.CreateDib();
    if (!dib || !TakeDib(dib)) return FALSE;
    SIZE size{m_nDibWidth, m_nDibHeight};
    CCoordMapper screen;
    (pMapper ? pMapper : &screen)->DPtoLPSize(&size);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    m_fileBytes = bitmap.FileBytes();
    m_nFileBytesFormat = m_fileInfo.nFormat;
    m_strFile = path;
    m_bNeedsMeasure = 1;
    return TRUE;
  } catch (...) {
    FreeImage();
    return FALSE;
  }
}

BOOL CEditGraphic::SaveFile(const char* path) {
  if (!m_hDib || !path) return FALSE;
  try {
    if (!m_fileBytes.empty() && m_nFileBytesFormat == m_fileInfo.nFormat) return WriteBytes(path, m_fileBytes);
    CImageBitmap bitmap;
    if (!bitmap.CreateFromDib(m_hDib)) return FALSE;
    return bitmap.SaveFile(path, m_fileInfo.nFormat, m_fileInfo.nBitsPerPixel, kQualityFactor);
  } catch (...) {
    return FALSE;
  }
}

// Only a picture that fits a palette is written with one: a true-colour PNG keeps its colours.
void CEditGraphic::GetFileExtension(std::string& ext) {
  const BOOL bOwnBytes = !m_fileBytes.empty() && m_nFileBytesFormat == m_fileInfo.nFormat;
  if (m_hDib && !bOwnBytes && !CImageBitmap::CanWrite(m_fileInfo.nFormat)) {
    m_fileInfo.nFormat = IMAGE_FORMAT_PNG;
  }
  const LONG format = m_fileInfo.nFormat;
  ext = ExtensionOf(format);
  if ((format == IMAGE_FORMAT_GIF || format == IMAGE_FORMAT_PNG) && HasAtMostColors(kPaletteColors))
    m_fileInfo.nBitsPerPixel = 8;
}

BOOL CEditGraphic::HasAtMostColors(int count) const {
  CImageBitmap bitmap;
  return bitmap.CreateFromDib(m_hDib) && bitmap.HasAtMostColors(count);
}

void CEditGraphic::Measure(CDC*, CCoordMapper*, EDIT_LAYOUT_PARAM*) {
  m_nAscent = m_nHeight / 2;
  m_nCenter = m_nHeight / 2;
}

void CEditGraphic::Arrange(EDIT_LAYOUT_PARAM* pParam, int) {
  if (!pParam) return;
  m_rcInk = RECT{pParam->nX, pParam->nY, pParam->nX + m_nWidth, pParam->nY + m_nHeight};
}

void CEditGraphic::Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM*) {
  if (!pDC || !m_hDib) return;
  try {
    RECT dst = m_rcInk;
    if (pMapper) pMapper->LPtoDPRect(&dst);
    const RECT src{0, 0, m_nDibWidth, m_nDibHeight};
    DrawDib(pDC, &dst, m_hDib, &src, m_hPalette);
  } catch (...) {
  }
}

void CEditGraphic::Serialize(CArchive& ar) {
  if (ar.IsStoring())
    StoreRecord(ar);
  else
    LoadRecord(ar);
  CEditNode::Serialize(ar);
}

// The palette handle meant something only in the process that stored it: 0 is written.
void CEditGraphic::StoreRecord(CArchive& ar) {
  ar.WriteString8(WideToAnsi(Utf8ToUtf16(m_strFile)));
  ar << LONG(m_nDibWidth) << LONG(m_nDibHeight) << DWORD(0);
  ar.Write(&m_fileInfo, sizeof m_fileInfo);
  const size_t size = m_hDib ? GlobalSize(m_hDib) : 0;
  ar << LONG(size);
  if (size > 0) ar.Write(GlobalLock(m_hDib), UINT(size));
  if (m_hDib) GlobalUnlock(m_hDib);
}

// Archives come from anywhere: the DIB is checked against its header, and a damaged one fails
// the load. The palette is built again from the DIB; the stored handle is ignored. A record
// without a picture leaves the picture held as it was.
void CEditGraphic::LoadRecord(CArchive& ar) {
  const std::string file = ar.ReadString8();
  LONG width = 0, height = 0, palette = 0, size = 0;
  ar >> width >> height >> palette;
  IMAGE_FILE_INFO info;
  ar.ReadExact(&info, sizeof info);
  ar >> size;
  if (size < 0) throw CArchiveException(CArchiveException::genericException);
  if (size == 0) return;
  ar.EnsureAvailable(uint64_t(size));
  std::vector<BYTE> bytes(static_cast<size_t>(size));
  ar.ReadExact(bytes.data(), UINT(size));
  HGLOBAL dib = GlobalAlloc(GHND, 0);
  if (!dib) throw CArchiveException(CArchiveException::genericException);
  dib->m_bytes = std::move(bytes);
  FreeImage();
  if (!TakeDib(dib)) throw CArchiveException(CArchiveException::genericException);
  m_fileInfo = info;
  m_strFile = Utf16ToUtf8(AnsiToWide(file));
}
