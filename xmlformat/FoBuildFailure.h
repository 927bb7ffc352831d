#pragma once
// What stops an FO build: the cause travels up to the builder's entry point.

#include <new>

#include "model/QVXMLNode.h"

struct FO_BUILD_FAILURE {
  CStringW strCause;
  CStringW strUserMessage;  // shown by the caller when not empty
};

[[noreturn]] inline void FailBuild(const CStringW& cause, const CStringW& userMessage = CStringW()) {
  throw FO_BUILD_FAILURE{cause, userMessage};
}

// A new node appended to pParent, which owns it from then on.
template <class N>
N* AppendNew(CQVXMLNode* pParent) {
  N* node = new N();
  if (pParent->AppendChild(node) < 0) {
    delete node;
    throw std::bad_alloc();
  }
  return node;
}

// The node as its class, or a failure naming what it should have been.
template <class T>
T* CastOrFail(CQVXMLNode* pNode, const char16_t* pszWhat) {
  auto* typed = dynamic_cast<T*>(pNode);
  if (!typed) FailBuild(CStringW(u"a node of another class where ") + pszWhat + u" belongs");
  return typed;
}
