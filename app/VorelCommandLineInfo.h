#pragma once
// The program's own switches: "k1" opens a file as a new sheet, "w"/"wq" and "t"/"tq" convert
// the input file into the output file and close.

#include <string>

#include "platform/CommandLineInfo.h"

enum {
  CMDLINE_OPEN_AS_NEW = 1,
  CMDLINE_WORD = 2,
  CMDLINE_ICHITARO = 4,
  CMDLINE_QUIT = 8,
};

// What the command line asks of the application; the application object derives from it.
struct CMDLINE_REQUEST {
  int m_nCmdLineFlags = 0;
  std::string m_strCmdLineFile;
  std::string m_strWordOutputPath;
  std::string m_strTaroOutputPath;
};

// File parameters seen since the last switch.
extern int g_nCmdLineParam;

class CVorelCommandLineInfo : public CCommandLineInfo {
 public:
  // A new parse counts its file parameters afresh.
  explicit CVorelCommandLineInfo(CMDLINE_REQUEST& request) : m_request(request) { g_nCmdLineParam = 0; }

  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;
  BOOL IsSwitchName(const std::string& name) const override;

 private:
  CMDLINE_REQUEST& m_request;
};
