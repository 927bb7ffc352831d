#pragma once
// Running numbers of the "id" attributes of special blocks during one write.

#include "model/StringW.h"

struct FO_ID_COUNTERS {
  // Counters in use; kanA and kanB ids share one.
  enum Counter {
    CounterKan = 6,
    CounterRuby = 7,
    CounterCyukai = 8,
    CounterKasen = 9,
    CounterGai = 10,
    CounterKaipage = 11,
    CounterCount = 12
  };

  FO_ID_COUNTERS() { Reset(); }
  void Reset();
  // The next id for a block kind: prefix, "001" and the incremented counter (ruby0011,
  // ruby0012 ...). Empty, with no counter touched, for a kind that is never written.
  CStringW NextId(int nBlockKind);

  int m_anCounter[CounterCount];
};
