#pragma once
// An empty group; a node still stores a one-byte block for it.

class CInlineMarginProperties {};
