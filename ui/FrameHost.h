#pragma once
// What the main frame asks of the application, so that the frame never reaches the
// application's classes. The application is also the last target of the command route.

#include <QString>

#include <string>

#include "platform/WinTypes.h"
#include "ui/CmdTarget.h"

class CFrameHost : public CCmdTarget {
 public:
  // The frame's title: the product name.
  virtual QString GetAppTitle() const = 0;
  // The open sheet's title and whether it has unsaved changes.
  virtual QString GetDocumentTitle() const = 0;
  virtual BOOL IsDocumentModified() const = 0;

  // The saved window rectangle (empty: default placement) and the maximized flag, which the
  // frame keeps current while it is moved and sized.
  virtual CRect GetInitialRect() const = 0;
  virtual void SetWindowPlacement(const CRect& rcInitial, BOOL bMaximized) = 0;

  // A file dropped on the window.
  virtual void OpenDroppedFile(const std::string& path) = 0;
  // The save question before the window closes; FALSE keeps it open.
  virtual BOOL CanCloseFrame() = 0;
  virtual void OnFrameClosed() = 0;

  // The command-line conversions of the open sheet.
  virtual void ExportToWord() = 0;
  virtual void ExportToIchitaro() = 0;
};
