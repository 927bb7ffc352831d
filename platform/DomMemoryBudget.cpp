#include "platform/DomMemoryBudget.h"

#include <libxml/xmlmemory.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>

namespace {

// What libxml2 holds from this thread's allocations, less what this thread freed. Signed, as
// blocks allocated before the counter was installed are freed through it too.
thread_local long long t_held = 0;
thread_local CDomMemoryBudget* t_pBudget = nullptr;

constexpr std::size_t kLargeBlock = std::size_t(1) << 20;

long long UsableSize(void* block) { return static_cast<long long>(malloc_usable_size(block)); }

}  // namespace

CDomMemoryBudget::CDomMemoryBudget(std::size_t cap)
    : m_start(t_held), m_cap(cap), m_pSaved(t_pBudget) {
  t_pBudget = this;
}

CDomMemoryBudget::~CDomMemoryBudget() { t_pBudget = m_pSaved; }

void CDomMemoryBudget::InstallCounter() { xmlMemSetup(&Free, &Malloc, &Realloc, &Strdup); }

// libxml2 2.9 copes with a buffer or a string that cannot grow, but not with every small
// allocation failing: an XPath evaluation that cannot set itself up crashes. So small blocks
// fail only as the last resort against a step that runs away, never while unwinding.
bool CDomMemoryBudget::Admits(std::size_t size, std::size_t more) {
  const long long growth = t_held - m_start;
  if (more > m_cap || growth > static_cast<long long>(m_cap - more)) m_bExceeded = true;
  if (!m_bExceeded) return true;
  if (size >= kLargeBlock) return false;
  return m_bWindingDown || growth + static_cast<long long>(more) <= 2 * static_cast<long long>(m_cap);
}

void* CDomMemoryBudget::Malloc(std::size_t size) {
  if (t_pBudget && !t_pBudget->Admits(size, size)) return nullptr;
  void* block = std::malloc(size);
  if (block) t_held += UsableSize(block);
  return block;
}

void* CDomMemoryBudget::Realloc(void* block, std::size_t size) {
  const long long old = block ? UsableSize(block) : 0;
  if (t_pBudget && size > static_cast<std::size_t>(old) && !t_pBudget->Admits(size, size - old)) return nullptr;
  void* moved = std::realloc(block, size);
  if (moved) t_held += UsableSize(moved) - old;
  else if (size == 0) t_held -= old;  // realloc freed it
  return moved;
}

void CDomMemoryBudget::Free(void* block) {
  if (block) t_held -= UsableSize(block);
  std::free(block);
}

char* CDomMemoryBudget::Strdup(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  auto* copy = static_cast<char*>(Malloc(size));
  if (copy) std::memcpy(copy, text, size);
  return copy;
}
