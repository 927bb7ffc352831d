#pragma once
// Running numbers of the "id" attributes of special blocks during one write.

#include "model/StringW.h"

struct FO_ID_COUNTERS {
  // One counter per kind of numbered item; kanA and kanB ids share one. Points fields
  // come after the twelve so that the first twelve keep their places.
  enum Counter {
    CounterSp = 0,
    CounterImg = 1,
    CounterMath = 2,
    CounterObject = 3,
    CounterDno = 4,
    CounterNo = 5,
    CounterKan = 6,
    CounterRuby = 7,
    CounterCyukai = 8,
    CounterKasen = 9,
    CounterGai = 10,
    CounterKaipage = 11,
    CounterHai = 12,
    CounterCount = 13
  };

  FO_ID_COUNTERS() { Reset(); }
  void Reset();
  // The next id for a block kind: prefix, "001" and the incremented counter (ruby0011,
  // ruby0012 ...). Empty, with no counter touched, for a kind that is never written.
  CStringW NextId(int nBlockKind);
  // The next number of a counter: 1 for its first item.
  int Next(Counter counter) { return ++m_anCounter[counter]; }

  int m_anCounter[CounterCount];
};
