#pragma once
// Layout sums over sizes kept from a damaged record: they stop at the integer's ends.

#include <algorithm>
#include <climits>

inline int Saturated(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }
