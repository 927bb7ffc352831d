#pragma once
// The application's settings that live in the profile: window placement, writing mode, the
// default underline numbering and underline, and the zoom. The default text formats live in
// g_DefaultFonts and go through the profile with them. The application object derives from
// this class, so the members read as the application's own.

#include "model/CharacterProperties.h"
#include "model/KasenRenbanProperties.h"
#include "platform/Profile.h"
#include "platform/WinTypes.h"

class CVorelAppSettings {
 public:
  CVorelAppSettings();

  // Reads every setting; missing or unreadable values take their defaults. A window rectangle
  // that shows less than 10 pixels either way on the screen is dropped.
  void LoadProfile(const CProfile& profile, const CRect& rcScreen);
  void SaveProfile(CProfile& profile) const;

  BOOL m_bMaximized = FALSE;
  CRect m_rcInitial;
  int m_nWritingMode = 1;  // vertical; the product writes no other way
  int m_nZoom = 100;
  CKasenRenbanProperties m_DefaultBango;
  CCharacterProperties m_DefaultUnderline;

 private:
  void LoadFonts(const CProfile& profile) const;
  void SaveFonts(CProfile& profile) const;
  void LoadBango(const CProfile& profile);
  void SaveBango(CProfile& profile) const;
};
