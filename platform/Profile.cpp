#include "platform/Profile.h"

#include <QSettings>
#include <QStandardPaths>

#include "platform/AnsiCodePage.h"

namespace {

QString KeyOf(const char* section, const char* entry) {
  QString key = QString::fromLatin1(section).replace(u'\\', u'/');
  if (entry) key += u'/' + QString::fromLatin1(entry);
  return key;
}

QString FromAnsi(const char* text) {
  std::u16string wide = AnsiToWide(text);
  return QString::fromUtf16(wide.data(), qsizetype(wide.size()));
}

std::string ToAnsi(const QString& text) {
  return WideToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

QString ProfilePath(const char* registryKey, const char* profileName) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return folder + u'/' + FromAnsi(registryKey) + u'/' + FromAnsi(profileName) + QStringLiteral(".ini");
}

}  // namespace

CProfile::CProfile(const char* registryKey, const char* profileName)
    : CProfile(ProfilePath(registryKey, profileName)) {}

CProfile::CProfile(const QString& iniPath) : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

CProfile::~CProfile() = default;

UINT CProfile::GetProfileInt(const char* section, const char* entry, int nDefault) const {
  QVariant value = m_settings->value(KeyOf(section, entry));
  bool ok = false;
  int n = value.toInt(&ok);
  return UINT(ok ? n : nDefault);
}

BOOL CProfile::WriteProfileInt(const char* section, const char* entry, int nValue) {
  m_settings->setValue(KeyOf(section, entry), nValue);
  return TRUE;
}

std::string CProfile::GetProfileString(const char* section, const char* entry, const char* pszDefault) const {
  QVariant value = m_settings->value(KeyOf(section, entry));
  if (value.typeId() != QMetaType::QString) return pszDefault ? pszDefault : "";
  return ToAnsi(value.toString());
}

BOOL CProfile::WriteProfileString(const char* section, const char* entry, const char* pszValue) {
  if (!entry || !pszValue)
    m_settings->remove(KeyOf(section, entry));
  else
    m_settings->setValue(KeyOf(section, entry), FromAnsi(pszValue));
  return TRUE;
}

std::string CProfile::GetProfileStringUtf8(const char* section, const char* entry) const {
  QVariant value = m_settings->value(KeyOf(section, entry));
  return value.typeId() == QMetaType::QString ? value.toString().toStdString() : std::string();
}

BOOL CProfile::WriteProfileStringUtf8(const char* section, const char* entry, const std::string& value) {
  m_settings->setValue(KeyOf(section, entry), QString::fromStdString(value));
  return TRUE;
}

BOOL CProfile::GetProfileBinary(const char* section, const char* entry, std::vector<BYTE>* data) const {
  data->clear();
  QVariant value = m_settings->value(KeyOf(section, entry));
  if (value.typeId() != QMetaType::QByteArray) return FALSE;
  QByteArray bytes = value.toByteArray();
  data->assign(bytes.begin(), bytes.end());
  return TRUE;
}

BOOL CProfile::WriteProfileBinary(const char* section, const char* entry, const void* data, UINT nBytes) {
  m_settings->setValue(KeyOf(section, entry), QByteArray(static_cast<const char*>(data), qsizetype(nBytes)));
  return TRUE;
}

BOOL CProfile::Flush() {
  m_settings->sync();
  return m_settings->status() == QSettings::NoError;
}

std::string CProfile::GetFileName() const { return m_settings->fileName().toStdString(); }
