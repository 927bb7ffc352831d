#include "platform/SystemError.h"

#include <QString>

#include <cstring>

std::u16string SystemErrorText(int code) {
  // strerror_r invents a text for unknown numbers; strerrordesc_np tells them apart.
  if (!strerrordesc_np(code)) return {};
  char buffer[256];
  const char* text = strerror_r(code, buffer, sizeof buffer);
  return QString::fromLocal8Bit(text).toStdU16String();
}
