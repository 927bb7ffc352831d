#include "app/VorelCommandLineInfo.h"

#include <string_view>

int g_nCmdLineParam = 0;

namespace {

struct SWITCH_FLAGS {
  std::string_view name;
  int flags;
};

constexpr SWITCH_FLAGS kSwitches[] = {
    {"k1", CMDLINE_OPEN_AS_NEW},
    {"w", CMDLINE_WORD},
    {"wq", CMDLINE_WORD | CMDLINE_QUIT},
    {"t", CMDLINE_ICHITARO},
    {"tq", CMDLINE_ICHITARO | CMDLINE_QUIT},
};

const SWITCH_FLAGS* FindSwitch(std::string_view name) {
  for (const SWITCH_FLAGS& s : kSwitches) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

}  // namespace

BOOL CVorelCommandLineInfo::IsSwitchName(const std::string& name) const {
  return FindSwitch(name) || CCommandLineInfo::IsSwitchName(name);
}

void CVorelCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag) {
    if (const SWITCH_FLAGS* s = FindSwitch(pszParam)) m_request.m_nCmdLineFlags = s->flags;
    g_nCmdLineParam = 0;
  } else {
    if (g_nCmdLineParam == 0) {
      m_request.m_strCmdLineFile = pszParam;
    } else if (g_nCmdLineParam == 1) {
      if (m_request.m_nCmdLineFlags & CMDLINE_WORD)
        m_request.m_strWordOutputPath = pszParam;
      else if (m_request.m_nCmdLineFlags & CMDLINE_ICHITARO)
        m_request.m_strTaroOutputPath = pszParam;
    }
    ++g_nCmdLineParam;
  }
  CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
