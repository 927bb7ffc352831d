#include "model/XslNode.h"

// Out of line so that every XSL-FO and XSLT class shares one destructor body.
CXslNode::~CXslNode() = default;
