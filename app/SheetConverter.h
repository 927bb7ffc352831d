#pragma once
// A conversion of a sheet into another format. The document writes the sheet as sheet XML
// into a private folder and hands that file to the converter registered for the format; a
// format without one is not offered.

#include <string>

#include "platform/WinTypes.h"

enum EXPORT_FORMAT { EXPORT_HTML, EXPORT_TEXT };

class CSheetConverter {
 public:
  virtual ~CSheetConverter() = default;
  // Loads the sheet XML at xmlPath and writes the result at target (both UTF-8); the side
  // files of the sheet XML lie beside it. FALSE when nothing usable was written.
  virtual BOOL Convert(const std::string& xmlPath, const std::string& target) = 0;
};
