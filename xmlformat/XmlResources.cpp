#include "xmlformat/XmlResources.h"

#include <QFile>
#include <QString>

// Outside any namespace, as the resource's start-up function is declared where it is called.
// Calling it also links the resource in from the static library.
static void InitXmlResources() { Q_INIT_RESOURCE(xml_templates); }

std::u16string DecodeXmlResource(const QByteArray& bytes) {
  std::u16string text;
  if (bytes.startsWith("\xFF\xFE")) {
    for (qsizetype i = 2; i + 1 < bytes.size(); i += 2)
      text += char16_t(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8);
  } else {
    text = QString::fromUtf8(bytes).toStdU16String();
  }
  if (!text.empty() && text.front() == u'\uFEFF') text.erase(0, 1);
  return text.substr(0, text.find(u'\0'));
}

BOOL LoadXmlResource(int nId, std::u16string& text) {
  static const bool initialised = (InitXmlResources(), true);
  (void)initialised;
  QFile file(QStringLiteral(":/xml/%1.xml").arg(nId));
  if (!file.open(QIODevice::ReadOnly)) return FALSE;
  text = DecodeXmlResource(file.readAll());
  return TRUE;
}
