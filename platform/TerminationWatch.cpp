#include "platform/TerminationWatch.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalSockets[2] = {-1, -1};

// Only writes one byte: the rest happens in the event loop.
void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = write(g_signalSockets[0], &byte, 1);
}

}  // namespace

CTerminationWatch::CTerminationWatch(QObject* pParent) : QObject(pParent) {
  if (g_signalSockets[0] >= 0 || socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0) return;
  m_pNotifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
  connect(m_pNotifier, &QSocketNotifier::activated, this, &CTerminationWatch::OnSignalled);
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

CTerminationWatch::~CTerminationWatch() {
  if (!m_pNotifier) return;
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
  close(g_signalSockets[0]);
  close(g_signalSockets[1]);
  g_signalSockets[0] = g_signalSockets[1] = -1;
}

void CTerminationWatch::OnSignalled() {
  char byte = 0;
  [[maybe_unused]] ssize_t got = read(g_signalSockets[1], &byte, 1);
  emit terminationRequested();
}
