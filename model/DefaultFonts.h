#pragma once
// The nine default formats every new character takes its font from.

#include "platform/GdiTypes.h"

struct DEFAULT_FONT {
  LOGFONTA lf;      // lfHeight in 0.01 mm, negative
  int bItalic;      // takes the place of lfItalic when a node's font is set from the entry
  int nCharHeight;  // 0.01 mm, positive
};

struct DEFAULT_FONTS {
  enum Index {
    Default, HankakuDefault, NumericDefault,
    AtDefault, AtHankakuDefault, AtNumericDefault,
    MathDefault, MathNumericDefault, MathOperatorDefault,
    Count
  };
  DEFAULT_FONTS();
  DEFAULT_FONT entries[Count];
  // The profile key of each entry, in table order.
  static const char* const kNames[Count];
};

extern DEFAULT_FONTS g_DefaultFonts;

void GetDefaultFont(LOGFONTA* out, BOOL bVertical);
void SetDefaultFont(const LOGFONTA* lf, BOOL bVertical);
int GetDefaultItalic(BOOL bVertical);
void SetDefaultItalic(int italic, BOOL bVertical);
int GetDefaultHeight();
void SetDefaultHeight(int height);

void GetHankakuFont(LOGFONTA* out, BOOL bVertical);
void SetHankakuFont(const LOGFONTA* lf, BOOL bVertical);
int GetHankakuItalic(BOOL bVertical);
void SetHankakuItalic(int italic, BOOL bVertical);
int GetHankakuHeight();
void SetHankakuHeight(int height);

void GetNumericFont(LOGFONTA* out, BOOL bVertical);
void SetNumericFont(const LOGFONTA* lf, BOOL bVertical);
int GetNumericItalic(BOOL bVertical);
void SetNumericItalic(int italic, BOOL bVertical);
int GetNumericHeight();
void SetNumericHeight(int height);

void GetMathFont(LOGFONTA* out);
void SetMathFont(const LOGFONTA* lf);
int GetMathItalic();
void SetMathItalic(int italic);
int GetMathHeight();
void SetMathHeight(int height);

void GetMathNumericFont(LOGFONTA* out);
void SetMathNumericFont(const LOGFONTA* lf);
int GetMathNumericItalic();
void SetMathNumericItalic(int italic);
int GetMathNumericHeight();
void SetMathNumericHeight(int height);

void GetMathOperatorFont(LOGFONTA* out);
void SetMathOperatorFont(const LOGFONTA* lf);
int GetMathOperatorItalic();
void SetMathOperatorItalic(int italic);
int GetMathOperatorHeight();
void SetMathOperatorHeight(int height);

// The system's GUI font as captured by the shared drawing objects.
void GetGuiLogFont(LOGFONTA* out);
