#include "platform/DomLibrary.h"

#include <libxml/parser.h>
#include <libxslt/security.h>
#include <libxslt/xslt.h>

#include <mutex>

#include "platform/DomEncoding.h"
#include "platform/DomMemoryBudget.h"

namespace {

xsltSecurityPrefs* CreateForbiddingPrefs() {
  xsltSecurityPrefsPtr prefs = xsltNewSecurityPrefs();
  for (xsltSecurityOption option : {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                    XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
    xsltSetSecurityPrefs(prefs, option, xsltSecurityForbid);
  return prefs;
}

xsltSecurityPrefs* g_prefs = nullptr;

}  // namespace

void InitDomLibrary() {
  static std::once_flag once;
  std::call_once(once, [] {
    CDomMemoryBudget::InstallCounter();
    xmlInitParser();
    xsltInit();
    RegisterCp932Codec();
    g_prefs = CreateForbiddingPrefs();
    // Imports and includes are checked against the default preferences.
    xsltSetDefaultSecurityPrefs(g_prefs);
  });
}

xsltSecurityPrefs* DomSecurityPrefs() {
  InitDomLibrary();
  return g_prefs;
}
