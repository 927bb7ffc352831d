#include "platform/OleServerLink.h"

#include <map>

namespace {

std::map<std::string, COleServerLink*>& Servers() {
  static std::map<std::string, COleServerLink*> servers;
  return servers;
}

}  // namespace

void RegisterOleServer(const std::string& className, COleServerLink* pLink) {
  if (pLink)
    Servers()[className] = pLink;
  else
    Servers().erase(className);
}

COleServerLink* FindOleServer(const std::string& className) {
  auto it = Servers().find(className);
  return it != Servers().end() ? it->second : nullptr;
}
