#include "platform/CommandLineInfo.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 7> kSwitches = {"p",          "pt",         "dde",        "Embedding",
                                                        "Automation", "Unregister", "Unregserver"};

}  // namespace

BOOL CCommandLineInfo::IsSwitchName(const std::string& name) const {
  return std::find(kSwitches.begin(), kSwitches.end(), name) != kSwitches.end();
}

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL) {
  std::string_view param(pszParam);
  if (bFlag) {
    if (param == "p") {
      m_nShellCommand = FilePrint;
    } else if (param == "pt") {
      m_nShellCommand = FilePrintTo;
    } else if (param == "dde") {
      m_nShellCommand = FileDDE;
    } else if (param == "Unregister" || param == "Unregserver") {
      m_nShellCommand = AppUnregister;
    } else if (param == "Embedding" || param == "Automation") {
      (param == "Embedding" ? m_bRunEmbedded : m_bRunAutomated) = TRUE;
      m_bShowSplash = FALSE;
    }
    return;
  }
  if (m_strFileName.empty()) {
    m_strFileName = param;
    if (m_nShellCommand == FileNew) m_nShellCommand = FileOpen;
  } else if (m_nShellCommand == FilePrintTo) {
    std::string* next = m_strPrinterName.empty() ? &m_strPrinterName
                        : m_strDriverName.empty() ? &m_strDriverName
                                                  : &m_strPortName;
    if (next->empty()) *next = param;
  }
}

void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& arguments) {
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    BOOL bLast = i + 1 == arguments.size();
    std::string name = arg.empty() ? std::string() : arg.substr(1);
    BOOL bFlag = !arg.empty() && (arg[0] == '-' || (arg[0] == '/' && info.IsSwitchName(name)));
    info.ParseParam(bFlag ? name.c_str() : arg.c_str(), bFlag, bLast);
  }
}
