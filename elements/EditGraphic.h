#pragma once
// A picture in the sheet: an image file loaded once and held as a packed DIB with its
// palette, placed like one large character and drawn scaled into its rectangle.

#include <string>
#include <vector>

#include "model/EditNode.h"
#include "platform/GdiObject.h"
#include "platform/GlobalMemory.h"
#include "platform/ImageBitmap.h"

class CEditGraphic : public CEditNode {
  DECLARE_SERIAL(CEditGraphic)

 public:
  CEditGraphic();
  ~CEditGraphic() override;

  void Serialize(CArchive& ar) override;
  void Measure(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;
  void Arrange(EDIT_LAYOUT_PARAM* pParam, int bVertical) override;
  void Draw(CDC* pDC, CCoordMapper* pMapper, EDIT_LAYOUT_PARAM* pParam) override;

  // Takes the picture of the file and its size on the page through the mapper; FALSE, and no
  // picture, for a file that cannot be read.
  BOOL LoadFile(const std::string& path, CCoordMapper* pMapper);
  // Writes the picture in the format of m_fileInfo: the bytes it was read from while they
  // still hold it, else encoded at the record's depth.
  BOOL SaveFile(const char* path);
  // The side file's extension for the format, after turning a picture that cannot be written
  // in its own format into a PNG; for PNG and GIF pictures of at most 256 colours it also
  // sets 8 bits per pixel.
  void GetFileExtension(std::string& ext);
  void FreeImage();

  HGLOBAL m_hDib = nullptr;
  int m_nDibWidth = 0;
  int m_nDibHeight = 0;
  HPALETTE m_hPalette = nullptr;
  IMAGE_FILE_INFO m_fileInfo{};
  std::string m_strFile;

 private:
  BOOL TakeDib(HGLOBAL dib);
  BOOL HasAtMostColors(int count) const;
  void LoadRecord(CArchive& ar);
  void StoreRecord(CArchive& ar);

  // The file's own bytes and their format, not archived: an unchanged picture is written back
  // as it came, never encoded again.
  std::vector<BYTE> m_fileBytes;
  LONG m_nFileBytesFormat = 0;
};
