#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root reads and writes past file modes: while this lives, the thread keeps only the rights the
// modes give.
class CWithoutDacOverride {
 public:
  CWithoutDacOverride() {
    m_bSaved = syscall(SYS_capget, &m_header, m_saved) == 0;
    if (!m_bSaved) return;
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    syscall(SYS_capset, &m_header, reduced);
  }
  ~CWithoutDacOverride() {
    if (m_bSaved) syscall(SYS_capset, &m_header, m_saved);
  }
  CWithoutDacOverride(const CWithoutDacOverride&) = delete;
  CWithoutDacOverride& operator=(const CWithoutDacOverride&) = delete;

 private:
  __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct m_saved[2]{};
  bool m_bSaved = false;
};
