#pragma once
// A memory budget for libxml2 and libxslt: a damaged or hostile stylesheet can build a result
// of gigabytes in a handful of steps, so what they may hold during one operation is bounded.

#include <cstddef>

// Watches libxml2's allocations on this thread while it lives. Once they would hold more than
// `cap` bytes beyond what they held at its start, the budget is exceeded: from then on large
// blocks fail as out of memory, and the operation is to stop at its next step. A step that goes
// on growing past twice the cap gets no memory at all until the operation winds down.
class CDomMemoryBudget {
 public:
  explicit CDomMemoryBudget(std::size_t cap);
  ~CDomMemoryBudget();
  CDomMemoryBudget(const CDomMemoryBudget&) = delete;
  CDomMemoryBudget& operator=(const CDomMemoryBudget&) = delete;

  // Routes libxml2's allocations through the budget's counter, before our first use of libxml2.
  // What another library allocated earlier only makes the count approximate.
  static void InstallCounter();

  bool Exceeded() const { return m_bExceeded; }
  // The operation has been told to stop: small blocks are granted again, so that it can unwind.
  void WindDown() { m_bWindingDown = true; }

 private:
  static void* Malloc(std::size_t size);
  static void* Realloc(void* block, std::size_t size);
  static void Free(void* block);
  static char* Strdup(const char* text);
  bool Admits(std::size_t size, std::size_t more);

  long long m_start;
  std::size_t m_cap;
  bool m_bExceeded = false;
  bool m_bWindingDown = false;
  CDomMemoryBudget* m_pSaved;
};
