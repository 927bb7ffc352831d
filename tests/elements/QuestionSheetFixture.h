#pragma once
// A sheet root described by a line of tokens, for the question-structure tests:
//   Q F A E   a question, answer field, answer or explanation part (kinds 1 to 4), followed by
//             its major number and, after a dot, its minor number: "Q2", "F2.1";
//             a trailing "-" leaves the part empty (one line end), else it holds one character
//   |         a page break
//   T         a text box
// Names() gives the tokens the parts were built from (new parts show as "new"), Numbers() the
// kinds and numbers they carry now; a hidden part ends with "~" in both.

#include <map>
#include <sstream>
#include <string>

#include "elements/EditGai.h"
#include "elements/EditKaiPage.h"
#include "elements/EditPrint.h"
#include "model/EditCR.h"
#include "tests/support/EditSession.h"

class QuestionSheetTest : public EditSessionTest {
 protected:
  QuestionSheetTest() { m_root = std::make_unique<CEditPrint>(); }

  CEditPrint& Sheet() { return static_cast<CEditPrint&>(*m_root); }

  void Build(const std::string& layout, int nSequence = 0) {
    Sheet().m_nFieldSequence = nSequence;
    std::istringstream in(layout);
    for (std::string token; in >> token;) Sheet().AppendChild(MakeChild(token));
  }

  std::string Names() const { return Describe(true); }
  std::string Numbers() const { return Describe(false); }

  CEditSentence* Part(int index) { return dynamic_cast<CEditSentence*>(Sheet().GetChildAt(index)); }

 private:
  static constexpr char kKindLetters[] = "?QFAE";

  CQVXMLNode* MakeChild(const std::string& token) {
    if (token == "|") {
      auto* pageBreak = new CEditKaiPage;
      pageBreak->Init();
      return pageBreak;
    }
    if (token == "T") {
      auto* box = new CEditGai;
      box->AppendLineEnd();
      return box;
    }
    auto* part = new CEditSentence;
    part->m_nKind = int(std::string(kKindLetters).find(token[0]));
    part->m_nMajor = std::atoi(token.c_str() + 1);
    const size_t dot = token.find('.');
    part->m_nMinor = dot == std::string::npos ? 0 : std::atoi(token.c_str() + dot + 1);
    if (token.back() != '-') part->AppendChild(new CEditChar(u'x'));
    part->AppendLineBreak();
    m_names[part] = token.back() == '-' ? token.substr(0, token.size() - 1) : token;
    return part;
  }

  std::string Describe(bool bNames) const {
    std::string out;
    for (CQVXMLNode* child : m_root->m_arrChildren) {
      if (!out.empty()) out += ' ';
      if (child->m_nType == NTYPE_EDITKAIPAGE) {
        out += '|';
      } else if (child->m_nType != NTYPE_EDITSENTENCE) {
        out += 'T';
      } else {
        const auto* part = static_cast<const CEditSentence*>(child);
        out += bNames ? Name(part) : Number(part);
        if (part->m_bHidden) out += '~';
      }
    }
    return out;
  }

  std::string Name(const CEditSentence* part) const {
    auto it = m_names.find(part);
    return it == m_names.end() ? "new" : it->second;
  }

  static std::string Number(const CEditSentence* part) {
    std::string text(1, part->m_nKind >= 1 && part->m_nKind <= 4 ? kKindLetters[part->m_nKind] : '?');
    text += std::to_string(part->m_nMajor);
    if (part->m_nMinor != 0) text += "." + std::to_string(part->m_nMinor);
    return text;
  }

  std::map<const CEditSentence*, std::string> m_names;
};
