#include "platform/Object.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/Archive.h"

namespace {
std::map<std::string, CRuntimeClass*>& Registry() {
  static std::map<std::string, CRuntimeClass*> registry;
  return registry;
}
}  // namespace

CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, &CObject::_GetBaseClass};

CRuntimeClassRegistrar::CRuntimeClassRegistrar(CRuntimeClass* cls) {
  Registry()[cls->m_lpszClassName] = cls;
}

CObject* CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c; c = c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr) {
    if (c == base) return TRUE;
  }
  return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name) {
  auto& registry = Registry();
  auto it = registry.find(name);
  return it == registry.end() ? nullptr : it->second;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }
