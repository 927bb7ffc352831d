#pragma once
// A document and its view on a new sheet in either writing direction, with paragraphs of
// Japanese text when asked, shown at a given size; the view's tests share it.

#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

#include "app/VorelAppSettings.h"
#include "app/VorelDoc.h"
#include "app/VorelView.h"
#include "elements/EditPrint.h"
#include "model/DefaultFonts.h"
#include "model/EditCR.h"
#include "model/EditChar.h"
#include "model/EditSentence.h"
#include "tests/support/Bytes.h"
#include "tests/support/ScriptedMessages.h"
#include "xmlformat/SheetReader.h"
#include "xmlformat/SheetWriter.h"

class ViewFixture : public ::testing::Test {
 protected:
  static constexpr char16_t kText[] = u"次の文章を読んで、後の問いに答えなさい。春はあけぼの。やうやう白くなりゆく山ぎは。";

  // A horizontal sheet comes from its template through a file, as a user's sheet would.
  void MakeSheet(bool bVertical, int nParagraphs = 0, QSize size = QSize(800, 600)) {
    m_view.SetAppSettings(&m_settings);
    if (bVertical) {
      ASSERT_TRUE(m_doc.OnNewDocument());
    } else {
      CEditPrint print;
      ASSERT_TRUE(CSheetReader().LoadDefaultPrint(&print, FALSE));
      const std::string path = (m_dir.path() + QStringLiteral("/horizontal.qvp")).toStdString();
      ASSERT_TRUE(WriteSheetXml(&print, path.c_str()));
      ASSERT_TRUE(m_doc.OpenDocument(path));
    }
    m_view.resize(size);
    m_view.show();
    QApplication::setActiveWindow(&m_view);
    m_view.setFocus();
    m_view.OnInitialUpdate();
    if (nParagraphs > 0) AddParagraphs(nParagraphs);
  }

  CEditNode* FirstPart() { return m_doc.GetPrint()->GetEditChildAt(0); }
  CEditPrint& Root() { return *m_doc.GetPrint(); }

  // Paragraphs of 30 characters before the first part's line end, in the sheet's text font.
  void AddParagraphs(int nParagraphs) {
    AddParagraphsTo(FirstPart(), nParagraphs);
    m_view.OnUpdate(nullptr, 0, nullptr);
  }
  void AddParagraphsTo(CEditNode* part, int nParagraphs) {
    LOGFONTA lf{};
    GetDefaultFont(&lf, m_doc.GetPrint()->m_nReserved0 != 0);
    lf.lfHeight = -std::abs(GetDefaultHeight());
    const std::u16string text(kText);
    for (int p = 0; p < nParagraphs; ++p) {
      for (int i = 0; i < 30; ++i) Insert(part, new CEditChar(text[size_t(p * 7 + i) % text.size()]), lf);
      Insert(part, new CEditCR, lf);
    }
  }

  // Question parts of paragraphs, appended to the sheet.
  void AddParts(int nParts, int nParagraphs) {
    for (int q = 0; q < nParts; ++q) {
      auto* part = new CEditSentence;
      part->m_nKind = CEditSentence::KindQuestion;
      part->m_nMajor = q + 2;
      part->AppendChild(new CEditCR);
      Root().AppendChild(part);
      AddParagraphsTo(part, nParagraphs);
    }
    m_view.OnUpdate(nullptr, 0, nullptr);
  }

  std::u16string PartText() {
    CStringW text;
    FirstPart()->GetText(text);
    return text.str();
  }
  Bytes TreeBytes() { return StoreBytes([&](CArchive& ar) { ar.WriteObject(m_doc.GetPrint()); }); }
  QImage Grab() { return m_view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&m_view, key, modifiers); }
  // Each character as the key event a keyboard layout delivers for it.
  void TypeKeys(const QString& text) {
    for (QChar c : text) {
      QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(&m_view, &event);
    }
  }
  void Commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(&m_view, &event);
  }
  // 0.01 mm to pixels at zoom 100 and 96 dots per inch.
  static int Px(int units) { return MulDiv(96, units, 2540); }

  CVorelAppSettings m_settings;
  QTemporaryDir m_dir;
  CScriptedMessages m_messages;
  CVorelDoc m_doc{&m_messages};
  CVorelView m_view{&m_doc};

 private:
  static void Insert(CEditNode* part, CEditNode* node, const LOGFONTA& lf) {
    node->SetLogFont(lf, nullptr);
    part->InsertChild(part->GetChildCount() - 1, node);
  }
};
