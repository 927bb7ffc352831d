#pragma once
// SIGTERM and SIGINT arrive as a Qt signal in the event loop, so that the program can close
// its window the usual way (the save question included) instead of dying on the spot.

#include <QObject>

class QSocketNotifier;

class CTerminationWatch : public QObject {
  Q_OBJECT

 public:
  explicit CTerminationWatch(QObject* pParent = nullptr);
  ~CTerminationWatch() override;

 signals:
  void terminationRequested();

 private:
  void OnSignalled();

  QSocketNotifier* m_pNotifier = nullptr;
};
