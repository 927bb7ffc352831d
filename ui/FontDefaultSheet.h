#pragma once
// The default-font sheet: the faces of full-width text, half-width letters and digits, an
// italic flag for each and one size for all three. The opener fills the members, runs the
// sheet and reads them back after OK. The formula formats ride along unchanged: this product
// shows no page for them.

#include <array>

#include "platform/GdiTypes.h"
#include "ui/ModalDialog.h"

class QCheckBox;
class QComboBox;

// One format: its font, its height in 0.01 mm (positive) and its italic flag.
struct FONT_DEFAULT_ROW {
  LOGFONTA lf;
  int nHeight;
  int bItalic;
};

class CFontDefaultSheet : public CModalDialog {
  Q_OBJECT

 public:
  enum Row { RowDefault, RowHankaku, RowNumeric, RowCount };

  // nIDCaption: IDS_FONT_DEFAULTS or IDS_FONT.
  CFontDefaultSheet(QWidget* pParent, UINT nIDCaption, UINT iSelectPage);

  QComboBox* GetFaceList(int row) const { return m_faceLists[size_t(row)]; }
  QCheckBox* GetItalicBox(int row) const { return m_italicBoxes[size_t(row)]; }
  QComboBox* GetSizeBox() const { return m_pSize; }

  std::array<FONT_DEFAULT_ROW, RowCount> m_text;
  std::array<FONT_DEFAULT_ROW, RowCount> m_math;

 protected:
  void OnInitDialog() override;
  bool OnOK() override;

 private:
  void FillFaces();

  std::array<QComboBox*, RowCount> m_faceLists{};
  std::array<QCheckBox*, RowCount> m_italicBoxes{};
  QComboBox* m_pSize;
  std::vector<LOGFONTA> m_faces;
};
