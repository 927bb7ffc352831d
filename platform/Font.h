#pragma once
// A logical font; it is realised when a device context measures or draws with it.

#include "platform/GdiObject.h"
#include "platform/GdiTypes.h"

class CFont : public CGdiObject {
 public:
  CFont() = default;
  BOOL CreateFontIndirect(const LOGFONTA* lf);
  int GetLogFont(LOGFONTA* out) const;
  const LOGFONTA& LogFont() const { return m_lf; }

 protected:
  void Clear() override { m_lf = LOGFONTA{}; }

 private:
  LOGFONTA m_lf{};
};
