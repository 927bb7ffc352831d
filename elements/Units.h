#pragma once
// Lengths in 0.01 mm against points, and the parsers of length and point texts.

#include <string>

#include "model/StringW.h"

// MulDiv(pt, 2540, 72) + MulDiv(tenths, 254, 72), each term rounded: 10.5 pt is 371.
int PointsToHimetric(int pt, int tenths);
// v rounded to half points: whole points in *pt, 0 or 5 in *tenths; the fraction of a
// negative v counts as none.
void HimetricToHalfPoints(int v, int* pt, int* tenths);
// Whole points and truncated tenths; returns the tenths.
int HimetricToPoints(int v, int* pt, int* tenths);

// "10pt", "10.5pt", "-10.5pt".
void FormatPoints(int v, CStringW& out);
// "10", "10.5", "-10.5" for the dialogs' point fields.
void FormatHalfPoints(int v, std::string& out);

// An XML length with the unit "mm" or "pt" in 0.01 mm; 0 for anything else.
int ParseLength(const CStringW& text);
// A dialog's point text in 0.01 mm; a nonzero fraction counts as a half point.
int ParseHalfPoints(const char* text);
// The decimal value of a dialog's text; 0.0 when it holds no number.
double ParseDecimal(const char* text);
