#include "model/FoBlockContainer.h"

#include "model/XmlElementTable.h"

CFoBlockContainer::CFoBlockContainer() : CFoNode(XE_FO_BLOCK_CONTAINER) {}

CFoBlockContainer::~CFoBlockContainer() = default;
