#include "platform/GdiObject.h"

BOOL CGdiObject::DeleteObject() {
  if (!m_bCreated) return FALSE;
  Clear();
  m_bCreated = false;
  return TRUE;
}
