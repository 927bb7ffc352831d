#include "platform/GlobalMemory.h"

#include <new>

namespace {

constexpr size_t kMaxBlock = size_t(1) << 30;

}  // namespace

HGLOBAL GlobalAlloc(UINT, size_t bytes) {
  if (bytes > kMaxBlock) return nullptr;
  try {
    return new CGlobalMemory(bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void* GlobalLock(HGLOBAL block) {
  if (!block) return nullptr;
  ++block->m_nLocks;
  // A lock of an empty block still answers a valid pointer.
  return block->m_bytes.empty() ? static_cast<void*>(block) : block->m_bytes.data();
}

BOOL GlobalUnlock(HGLOBAL block) {
  if (!block || block->m_nLocks == 0) return FALSE;
  return --block->m_nLocks > 0;
}

size_t GlobalSize(HGLOBAL block) { return block ? block->m_bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL block) {
  delete block;
  return nullptr;
}
