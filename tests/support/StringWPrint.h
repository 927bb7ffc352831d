#pragma once
// Lets test failures show a CStringW as UTF-8 text.

#include <QString>

#include <ostream>

#include "model/StringW.h"

inline void PrintTo(const CStringW& s, std::ostream* os) {
  *os << '"' << QString::fromStdU16String(s.str()).toStdString() << '"';
}
