#pragma once
// The type words of the formula classes. NTYPE_EDITMATHCHAR, NTYPE_EDITMATHCR and the formula
// object's NTYPE_EDITFORMULA live with the core's words, which the editing operations test.

#include "model/NodeTypes.h"

constexpr DWORD NTYPE_EDITMATH = NTYPE_EDITFORMULA;
constexpr DWORD NTYPE_EDITFRAC = 0x22001021;
constexpr DWORD NTYPE_EDITFENCED = 0x2200102F;
constexpr DWORD NTYPE_EDITINTEGRAL = 0x0380103A;
constexpr DWORD NTYPE_EDITSIGMA = 0x0380103B;
constexpr DWORD NTYPE_EDITINTEGRALSUB = 0x2280103C;
constexpr DWORD NTYPE_EDITINTEGRALSUBSUP = 0x2280103D;

