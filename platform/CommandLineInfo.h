#pragma once
// The class library's command line: what the program is asked to do at start-up.

#include <string>
#include <vector>

#include "platform/WinTypes.h"

class CCommandLineInfo {
 public:
  enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };

  virtual ~CCommandLineInfo() = default;

  // One argument, its switch mark removed when bFlag is set.
  virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
  // Whether "/name" is a switch; any other argument starting with "/" is a file.
  virtual BOOL IsSwitchName(const std::string& name) const;

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  int m_nShellCommand = FileNew;
  std::string m_strFileName;
  std::string m_strPrinterName;
  std::string m_strDriverName;
  std::string m_strPortName;
};

// Hands every argument after the program name to info.ParseParam. "-" marks a switch; "/" marks
// one only before a known switch name, so that absolute paths stay files.
void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& arguments);
