#pragma once
// The question-document element classes, one per element code. They only set their code
// and the initial values of their members, so they share this file.

#include <string>

#include "model/HaitenInfo.h"
#include "model/MondaiNode.h"
#include "model/XmlElementTable.h"

class CMondaiPrint : public CMondaiNode {
 public:
  CMondaiPrint() : CMondaiNode(XE_PRINT) {}
};

class CMondaiDmon : public CMondaiNode {
 public:
  CMondaiDmon() : CMondaiNode(XE_DMON) {}
};

class CMondaiMon : public CMondaiNode {
 public:
  CMondaiMon() : CMondaiNode(XE_MON) {}
};

class CMondaiSmon : public CMondaiNode {
 public:
  CMondaiSmon() : CMondaiNode(XE_SMON) {}
};

class CMondaiDai : public CMondaiNode {
 public:
  CMondaiDai() : CMondaiNode(XE_DAI) {}
};

class CMondaiKai : public CMondaiNode {
 public:
  CMondaiKai() : CMondaiNode(XE_KAI) {}
};

class CMondaiRan : public CMondaiNode {
 public:
  CMondaiRan() : CMondaiNode(XE_RAN) {}
};

class CMondaiSetsu : public CMondaiNode {
 public:
  CMondaiSetsu() : CMondaiNode(XE_SETSU) {}
};

class CMondaiCyukai : public CMondaiNode {
 public:
  CMondaiCyukai() : CMondaiNode(XE_CYUKAI) {}
};

class CMondaiSp : public CMondaiNode {
 public:
  CMondaiSp() : CMondaiNode(XE_SP) {}
};

class CMondaiImg : public CMondaiNode {
 public:
  CMondaiImg() : CMondaiNode(XE_IMG) {}

  std::string m_strSource;   // ANSI file name of the picture in the sheet package
  int m_anReserved[2] = {};  // nothing reads them
};

// Major question number; m_nNumberFormat is a question-number format code, -1 unset.
class CMondaiDno : public CMondaiNode {
 public:
  CMondaiDno() : CMondaiNode(XE_DNO) {}

  int m_nNumberFormat = -1;
};

// Minor question number.
class CMondaiNo : public CMondaiNode {
 public:
  CMondaiNo() : CMondaiNode(XE_NO) {}

  int m_nNumberFormat = -1;
};

class CMondaiGai : public CMondaiNode {
 public:
  CMondaiGai() : CMondaiNode(XE_GAI) {}
};

class CMondaiKim : public CMondaiNode {
 public:
  CMondaiKim() : CMondaiNode(XE_KIM) {}
};

class CMondaiHai : public CMondaiNode {
 public:
  CMondaiHai() : CMondaiNode(XE_HAI) {}

  HAITEN_INFO m_haiten;
};

// An embedded object; derives from the node directly.
class CMondaiObject : public CQVXMLNode {
 public:
  CMondaiObject() : CQVXMLNode(XE_OBJECT) {}

  std::string m_strData;  // ANSI file name of the object's stored data
  int m_nWidth = 0;       // 0.01 mm
  int m_nHeight = 0;
};
