#include "tests/support/ElementStandIns.h"

#include "model/EditCR.h"
#include "model/EditChar.h"

namespace {

class CCharStandIn : public CEditChar {
 public:
  explicit CCharStandIn(DWORD nType) : CEditChar(nType) {}
};

class CLineEndStandIn : public CEditCR {
 public:
  explicit CLineEndStandIn(DWORD nType) : CEditCR(nType) {}
};

CRuntimeClass* CharBase() { return RUNTIME_CLASS(CEditChar); }
CRuntimeClass* LineEndBase() { return RUNTIME_CLASS(CEditCR); }

CRuntimeClass g_kanChar{"CEditKanChar", 1, [] { return static_cast<CObject*>(new CCharStandIn(0x81001012)); },
                        &CharBase};
CRuntimeClass g_kanCR{"CEditKanCR", 1, [] { return static_cast<CObject*>(new CLineEndStandIn(0x91001013)); },
                      &LineEndBase};

}  // namespace

void RegisterElementStandIns() {
  for (CRuntimeClass* cls : {&g_kanChar, &g_kanCR})
    if (!CRuntimeClass::FromName(cls->m_lpszClassName)) CRuntimeClassRegistrar registrar(cls);
}
