#pragma once
// Message boxes and file dialogs answered from a script; every text and caption is recorded.

#include <deque>
#include <string>
#include <vector>

#include "app/MessageService.h"

class CScriptedMessages : public CMessageService {
 public:
  struct SHOWN {
    CStringW text;
    CStringW caption;
  };

  int ShowMessage(const CStringW& text, const CStringW& caption, int, int) override {
    m_shown.push_back({text, caption});
    if (m_answers.empty()) return ANSWER_OK;
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  BOOL AskOpenPath(const CStringW& title, const std::vector<FILE_FILTER>&, std::string* pPath) override {
    m_shown.push_back({CStringW(), title});
    if (m_openPath.empty()) return FALSE;
    *pPath = m_openPath;
    return TRUE;
  }
  BOOL AskSavePath(const CStringW& title, const CStringW& initialName, const CStringW& defaultExt,
                   const std::vector<FILE_FILTER>& filters, std::string* pPath, int* pFilter) override {
    m_shown.push_back({initialName, title});
    m_defaultExt = defaultExt;
    m_offeredFilters.clear();
    for (const FILE_FILTER& filter : filters) m_offeredFilters.push_back(filter.pattern);
    if (m_savePath.empty()) return FALSE;
    *pPath = m_savePath;
    *pFilter = m_nSaveFilter;
    for (size_t i = 0; i < filters.size(); ++i)
      if (filters[i].pattern == m_saveFilterPattern) *pFilter = int(i) + 1;
    return TRUE;
  }

  std::deque<int> m_answers;
  std::string m_openPath;  // empty: the dialog is cancelled
  std::string m_savePath;  // empty: the dialog is cancelled
  int m_nSaveFilter = 1;
  CStringW m_saveFilterPattern;  // when offered, chosen in place of m_nSaveFilter
  CStringW m_defaultExt;
  std::vector<CStringW> m_offeredFilters;  // patterns of the last save dialog
  std::vector<SHOWN> m_shown;
};
