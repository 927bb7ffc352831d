#include "model/FoIdCounters.h"

#include "model/XmlElementTable.h"

namespace {

struct KIND_COUNTER {
  int nBlockKind;
  int nCounter;
};

constexpr KIND_COUNTER kKindCounters[] = {
    {BK_RUBY, FO_ID_COUNTERS::CounterRuby},   {BK_CYUKAI, FO_ID_COUNTERS::CounterCyukai},
    {BK_GAI, FO_ID_COUNTERS::CounterGai},     {BK_KANA, FO_ID_COUNTERS::CounterKan},
    {BK_KANB, FO_ID_COUNTERS::CounterKan},    {BK_KAIPAGE, FO_ID_COUNTERS::CounterKaipage},
    {BK_KASEN, FO_ID_COUNTERS::CounterKasen},
};

// The id prefix of a kind, so that the reader recovers the kind from the id.
const char16_t* PrefixOfKind(int nBlockKind) {
  for (const XML_TABLE_ENTRY* entry = g_IdPrefixTable; entry->nCode != -1; ++entry) {
    if (entry->nCode == nBlockKind) return entry->pszName;
  }
  return nullptr;
}

}  // namespace

void FO_ID_COUNTERS::Reset() {
  for (int& counter : m_anCounter) counter = 0;
}

CStringW FO_ID_COUNTERS::NextId(int nBlockKind) {
  for (const KIND_COUNTER& entry : kKindCounters) {
    if (entry.nBlockKind != nBlockKind) continue;
    CStringW id;
    id.Format(u"%s001%d", PrefixOfKind(nBlockKind), ++m_anCounter[entry.nCounter]);
    return id;
  }
  return CStringW();
}
