#pragma once
// Base of the question-document elements ("print", "dmon", "dai" ...); m_nType is the code.

#include "model/QVXMLNode.h"

class CMondaiNode : public CQVXMLNode {
 public:
  explicit CMondaiNode(DWORD nCode) : CQVXMLNode(nCode) {}
};
