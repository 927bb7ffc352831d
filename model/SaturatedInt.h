#pragma once
// Layout sums over sizes kept from a damaged record: they stop short of the integer's ends.

#include <algorithm>
#include <climits>

inline int Saturated(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// No laid-out size comes near this (some 2.7 km): a line's sizes stop here, so that an element
// that adds a label, a script or a gap to them stays well within the integer.
constexpr int kMaxLineExtent = INT_MAX / 8;
inline int LineExtent(long long v) { return int(std::clamp<long long>(v, -kMaxLineExtent, kMaxLineExtent)); }
