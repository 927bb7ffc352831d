#pragma once
// What the frame asks of the application for its file commands; the application implements it,
// so the frame never reaches the application's classes.

class CFrameCommands {
 public:
  virtual ~CFrameCommands() = default;
  virtual void OnFileNew() = 0;
  virtual void OnFileOpen() = 0;
  virtual void OnFileSave() = 0;
  virtual void OnFileSaveAs() = 0;
  // FALSE keeps the window open (the user cancelled the save question).
  virtual bool CanCloseFrame() = 0;
};
