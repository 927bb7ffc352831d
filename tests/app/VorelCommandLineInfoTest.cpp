#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/VorelCommandLineInfo.h"

namespace {

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> words{"QR70"};
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(VorelCommandLineInfo, ParseParamTable) {
  struct Case {
    const char* line;
    int flags;
    const char* cmdLineFile;
    const char* wordOutput;
    const char* taroOutput;
    const char* openedFile;
  } cases[] = {
      {"-w in.qvf out.doc", CMDLINE_WORD, "in.qvf", "out.doc", "", "in.qvf"},
      {"-wq in.qvf out.doc", CMDLINE_WORD | CMDLINE_QUIT, "in.qvf", "out.doc", "", "in.qvf"},
      {"-tq in.qvf out.jtd", CMDLINE_ICHITARO | CMDLINE_QUIT, "in.qvf", "", "out.jtd", "in.qvf"},
      // The last switch wins: each sets the whole flag value.
      {"-t a b -w c d", CMDLINE_WORD, "c", "d", "b", "a"},
      // An unknown switch resets the file counter.
      {"-w a -x b", CMDLINE_WORD, "b", "", "", "a"},
      // A third file is not kept.
      {"-w a b c", CMDLINE_WORD, "a", "b", "", "a"},
      {"-k1 sheet.qvf", CMDLINE_OPEN_AS_NEW, "sheet.qvf", "", "", "sheet.qvf"},
      // Switches are case-sensitive.
      {"-W a b", 0, "a", "", "", "a"},
      // "/" is a switch only before a known name; absolute paths stay files.
      {"/home/user/sheet.qvf", 0, "/home/user/sheet.qvf", "", "", "/home/user/sheet.qvf"},
      {"/w /tmp/in.qvf /tmp/out.doc", CMDLINE_WORD, "/tmp/in.qvf", "/tmp/out.doc", "", "/tmp/in.qvf"},
      {"/k1 /tmp/t", CMDLINE_OPEN_AS_NEW, "/tmp/t", "", "", "/tmp/t"},
      {"/t", CMDLINE_ICHITARO, "", "", "", ""},
      {"", 0, "", "", "", ""},
  };
  for (const Case& c : cases) {
    CMDLINE_REQUEST request;
    CVorelCommandLineInfo info(request);
    ParseCommandLine(info, Split(c.line));
    SCOPED_TRACE(c.line);
    EXPECT_EQ(request.m_nCmdLineFlags, c.flags);
    EXPECT_EQ(request.m_strCmdLineFile, c.cmdLineFile);
    EXPECT_EQ(request.m_strWordOutputPath, c.wordOutput);
    EXPECT_EQ(request.m_strTaroOutputPath, c.taroOutput);
    EXPECT_EQ(info.m_strFileName, c.openedFile);
    EXPECT_EQ(info.m_nShellCommand, *c.openedFile ? CCommandLineInfo::FileOpen : CCommandLineInfo::FileNew);
  }
}

TEST(VorelCommandLineInfo, ClassLibrarySwitchesKeepTheirMeaning) {
  CMDLINE_REQUEST request;
  CVorelCommandLineInfo info(request);
  ParseCommandLine(info, Split("/Embedding -p sheet.qvf"));
  EXPECT_FALSE(info.m_bShowSplash);
  EXPECT_TRUE(info.m_bRunEmbedded);
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrint);
  EXPECT_EQ(info.m_strFileName, "sheet.qvf");
}

}  // namespace
