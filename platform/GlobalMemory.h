#pragma once
// Global memory blocks (clipboard data, pictures): a handle is a pointer to a sized block.

#include <cstddef>
#include <vector>

#include "platform/WinTypes.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

class CGlobalMemory {
 public:
  explicit CGlobalMemory(size_t size) : m_bytes(size) {}
  std::vector<BYTE> m_bytes;
  int m_nLocks = 0;
};

using HGLOBAL = CGlobalMemory*;

// Null when the size is beyond what a block may hold or memory runs out. Blocks are always
// zero-filled.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// Null for a null handle.
void* GlobalLock(HGLOBAL block);
// TRUE while the block stays locked.
BOOL GlobalUnlock(HGLOBAL block);
size_t GlobalSize(HGLOBAL block);
// Null on success.
HGLOBAL GlobalFree(HGLOBAL block);
