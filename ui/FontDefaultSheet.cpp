#include "ui/FontDefaultSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstring>
#include <string>

#include "elements/Units.h"
#include "model/FontList.h"
#include "platform/AnsiCodePage.h"
#include "resources/StringTable.h"

namespace {

constexpr int kMaxPoints = 900;
constexpr const char* kSizes[] = {"8",  "9",  "10", "10.5", "11", "12", "14", "16", "18",
                                  "20", "22", "24", "26",   "28", "36", "48", "72"};
constexpr const char16_t* kRowLabels[] = {u"全角", u"半角アルファベット", u"半角数字"};

QString FaceText(const char* face) {
  return QString::fromStdU16String(AnsiToWide(std::string(face, strnlen(face, LF_FACESIZE))));
}

int LeadingInteger(const std::string& text, size_t* pEnd) {
  size_t i = 0;
  int value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= kMaxPoints) value = value * 10 + (text[i++] - '0');
  *pEnd = i;
  return value;
}

// A size in points, "10" or "10.5", in 0.01 mm; false for any other text.
bool ParseSize(const std::string& text, int* pHeight) {
  size_t end = 0;
  const int points = LeadingInteger(text, &end);
  const size_t dot = text.find('.');
  if (dot == 0 || points < 1 || points > kMaxPoints) return false;
  int height = MulDiv(points, 2540, 72);
  if (dot != std::string::npos) {
    if (end != dot) return false;
    const std::string fraction = text.substr(dot + 1);
    if (!fraction.empty() && fraction != "5") return false;
    if (fraction == "5") height += MulDiv(5, 2540, 72) / 10;
  }
  *pHeight = height;
  return true;
}

}  // namespace

CFontDefaultSheet::CFontDefaultSheet(QWidget* pParent, UINT nIDCaption, UINT iSelectPage)
    : CModalDialog(pParent), m_pSize(new QComboBox(this)) {
  const std::u16string_view caption = FindResourceString(nIDCaption);
  setWindowTitle(QString::fromUtf16(caption.data(), qsizetype(caption.size())));
  for (FONT_DEFAULT_ROW& row : m_text) row = FONT_DEFAULT_ROW{LOGFONTA{}, 370, 0};
  m_text[RowHankaku].bItalic = 1;
  m_math = m_text;
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  for (int row = 0; row < RowCount; ++row) {
    m_faceLists[size_t(row)] = new QComboBox(page);
    m_italicBoxes[size_t(row)] = new QCheckBox(QStringLiteral("斜体"), page);
    grid->addWidget(new QLabel(QString::fromUtf16(kRowLabels[row]), page), row, 0);
    grid->addWidget(m_faceLists[size_t(row)], row, 1);
    grid->addWidget(m_italicBoxes[size_t(row)], row, 2);
  }
  m_pSize->setEditable(true);
  m_pSize->setInsertPolicy(QComboBox::NoInsert);
  m_pSize->lineEdit()->setMaxLength(4);
  for (const char* size : kSizes) m_pSize->addItem(QString::fromLatin1(size));
  grid->addWidget(new QLabel(QStringLiteral("フォントサイズ"), page), RowCount, 0);
  grid->addWidget(m_pSize, RowCount, 1);
  auto* tabs = new QTabWidget(this);
  tabs->addTab(page, QStringLiteral("文字"));
  tabs->setCurrentIndex(int(iSelectPage) < tabs->count() ? int(iSelectPage) : 0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CFontDefaultSheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CFontDefaultSheet::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addWidget(buttons);
}

void CFontDefaultSheet::FillFaces() {
  const int count = GetFontCount();
  for (int row = 0; row < RowCount; ++row) {
    QComboBox* list = m_faceLists[size_t(row)];
    list->clear();
    int selected = 0;
    for (int i = 0; i < count; ++i) {
      LOGFONTA lf{};
      GetFontLogFont(i, &lf);
      list->addItem(FaceText(lf.lfFaceName));
      if (CompareAnsi(lf.lfFaceName, m_text[size_t(row)].lf.lfFaceName) == 0) selected = i;
    }
    list->setCurrentIndex(count > 0 ? selected : -1);
  }
}

void CFontDefaultSheet::OnInitDialog() {
  FillFaces();
  for (int row = 0; row < RowCount; ++row) m_italicBoxes[size_t(row)]->setChecked(m_text[size_t(row)].bItalic != 0);
  std::string size;
  FormatHalfPoints(std::abs(m_text[RowDefault].nHeight), size);
  const int item = m_pSize->findText(QString::fromStdString(size), Qt::MatchExactly);
  m_pSize->setCurrentIndex(item);
  if (item < 0) m_pSize->setEditText(QString::fromStdString(size));
  m_faceLists[RowDefault]->setFocus();
}

// The first face of the list, which also stands for a face that is not installed, keeps the
// row's font; any other face gives it a plain 10.5-point font of that face. One size applies
// to all three formats.
bool CFontDefaultSheet::OnOK() {
  for (int row = 0; row < RowCount; ++row) {
    FONT_DEFAULT_ROW& format = m_text[size_t(row)];
    const int index = m_faceLists[size_t(row)]->currentIndex();
    LOGFONTA face{};
    if (index > 0 && GetFontLogFont(index, &face) == index) {
      LOGFONTA& lf = format.lf;
      lf = LOGFONTA{};
      lf.lfHeight = -PointsToHimetric(10, 5);
      lf.lfWeight = FW_NORMAL;
      lf.lfCharSet = face.lfCharSet;
      lf.lfOutPrecision = face.lfOutPrecision;
      lf.lfClipPrecision = face.lfClipPrecision;
      lf.lfQuality = face.lfQuality;
      lf.lfPitchAndFamily = face.lfPitchAndFamily;
      std::memcpy(lf.lfFaceName, face.lfFaceName, LF_FACESIZE);
    }
    format.bItalic = m_italicBoxes[size_t(row)]->isChecked() ? 1 : 0;
  }
  int height = 0;
  if (!ParseSize(m_pSize->currentText().toStdString(), &height)) height = -PointsToHimetric(10, 5);
  for (FONT_DEFAULT_ROW& format : m_text) format.nHeight = height;
  return true;
}
