#pragma once
// Layout sums over sizes kept from a damaged record: they stop short of the integer's ends.

#include <algorithm>
#include <climits>

inline int Saturated(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// No laid-out size comes near this (some 300 metres): a line's sizes stop here, so that an
// element that stacks a few lines, or adds a label or a gap to one, stays well within the integer.
constexpr int kMaxLineExtent = INT_MAX / 64;
inline int LineExtent(long long v) { return int(std::clamp<long long>(v, -kMaxLineExtent, kMaxLineExtent)); }

// The sizes a record keeps from its last layout: layout gives no more than a few lines' bound,
// so beyond this the record is damaged.
constexpr int kMaxKeptExtent = INT_MAX / 8;
