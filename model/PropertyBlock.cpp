#include "model/PropertyBlock.h"

#include <algorithm>
#include <cstring>

#include "platform/Archive.h"

void WritePropertyBlock(CArchive& ar, const void* group, size_t width) {
  ar << LONG(width);
  ar.Write(group, UINT(width));
}

void ReadPropertyBlock(CArchive& ar, void* group, size_t width) {
  LONG stored = 0;
  ar >> stored;
  if (stored < 0) throw CArchiveException(CArchiveException::genericException);
  ar.EnsureAvailable(uint64_t(stored));
  size_t copied = std::min(size_t(stored), width);
  ar.ReadExact(group, UINT(copied));
  BYTE skipped[256];
  for (size_t left = size_t(stored) - copied; left > 0;) {
    size_t chunk = std::min(left, sizeof(skipped));
    ar.ReadExact(skipped, UINT(chunk));
    left -= chunk;
  }
}

void SerializePropertyBlock(CArchive& ar, void* group, size_t width) {
  if (ar.IsStoring())
    WritePropertyBlock(ar, group, width);
  else
    ReadPropertyBlock(ar, group, width);
}

void TerminateFaceName(char* face, size_t width) {
  if (width > 0 && !std::memchr(face, 0, width)) face[width - 1] = 0;
}

void SerializeInt(CArchive& ar, int& value) {
  if (ar.IsStoring()) {
    ar << LONG(value);
    return;
  }
  LONG stored = 0;
  ar >> stored;
  value = stored;
}
