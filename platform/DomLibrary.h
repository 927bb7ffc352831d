#pragma once
// One-time set-up of libxml2 and libxslt for the DOM layer.

typedef struct _xsltSecurityPrefs xsltSecurityPrefs;

// Safe to call any number of times, from any thread.
void InitDomLibrary();

// Stylesheets come with the documents, so they may neither read nor write files
// nor reach the network.
xsltSecurityPrefs* DomSecurityPrefs();
