#include "xmlformat/QuestionIdText.h"

namespace {

constexpr int kKeySubIdLength = 5;

bool IsSkipped(char16_t c) { return c == u' ' || c == u'\r'; }
bool IsSeparator(char16_t c) { return c == u',' || c == u'\n'; }

// Calls onValue(value) for every value ended by a separator, then onEnd(pending value,
// whether any separator came after the last record's start).
template <class OnValue>
CStringW SplitValues(const CStringW& text, OnValue onValue) {
  CStringW value;
  for (int i = 0; i < text.GetLength(); ++i) {
    char16_t c = text[i];
    if (IsSkipped(c)) continue;
    if (IsSeparator(c)) {
      onValue(value);
      value.Empty();
    } else {
      value += c;
    }
  }
  return value;
}

// A key of more than five characters is the id followed by a five-digit sub id; a shorter
// one carries no registration, so the record is a new unregistered one.
void AddKeyRecord(const CStringW& key, const CStringW& changed, MONDAI_INFO_LIST& out) {
  auto info = std::make_unique<CMondaiInfo>(1);
  if (key.GetLength() > kKeySubIdLength) {
    info->ParseIds(key.Left(key.GetLength() - kKeySubIdLength), key.Right(kKeySubIdLength), changed);
    info->SetClassification(998, 0, 0, 0, 0, 0);
  } else {
    info->ParseIds(CStringW(), CStringW(), changed);
    info->m_nId = -1;
    info->m_nSubId = -1;
    info->SetClassification(999, 0, 0, 0, 0, 0);
  }
  out.push_back(std::move(info));
}

}  // namespace

void ParseMondaiIdText(const CStringW& text, MONDAI_INFO_LIST& out) {
  CStringW key;
  bool haveKey = false;
  CStringW pending = SplitValues(text, [&](const CStringW& value) {
    if (!haveKey) {
      key = value;
      haveKey = true;
      return;
    }
    AddKeyRecord(key, value, out);
    key.Empty();
    haveKey = false;
  });
  if (!haveKey) {
    key = pending;
    pending.Empty();
  }
  if (!key.IsEmpty()) AddKeyRecord(key, pending, out);
}

void ParseMondaiId2Text(const CStringW& text, MONDAI_INFO_LIST& out) {
  CStringW values[CMondaiInfo::kDataCount];
  int count = 0;
  auto addRecord = [&]() {
    auto info = std::make_unique<CMondaiInfo>(2);
    info->ParseAll(values, values[6], values[7], values[8]);
    out.push_back(std::move(info));
    for (CStringW& v : values) v.Empty();
    count = 0;
  };
  CStringW pending = SplitValues(text, [&](const CStringW& value) {
    values[count++] = value;
    if (count == CMondaiInfo::kDataCount) addRecord();
  });
  if (count > 0) {
    if (count < CMondaiInfo::kDataCount) values[count] = pending;
    addRecord();
  }
}
