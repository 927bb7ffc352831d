#include "model/EditNode.h"
#include "model/EditSentence.h"

namespace {

const CEditSentence* EnclosingSentence(const CEditNode& node) {
  CQVXMLNode* found = const_cast<CEditNode&>(node).FindAncestor(NTYPE_EDITSENTENCE, TRUE);
  return dynamic_cast<const CEditSentence*>(found);
}

}  // namespace

int CEditNode::GetMajorQuestionNo() const {
  const CEditSentence* sentence = EnclosingSentence(*this);
  return sentence ? sentence->m_nMajor : -1;
}

int CEditNode::GetMinorQuestionNo() const {
  const CEditSentence* sentence = EnclosingSentence(*this);
  return sentence ? sentence->m_nMinor : -1;
}

int CEditNode::GetSentenceKind() const {
  const CEditSentence* sentence = EnclosingSentence(*this);
  return sentence ? sentence->m_nKind : -1;
}
