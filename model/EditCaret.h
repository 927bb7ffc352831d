#pragma once
// Where the caret stands, where a selection started, and the format that new text receives.
// The caret stands before its caret node; a selection runs between the anchor and the caret
// node, both children of one container. The pointers do not own their nodes.

#include "model/AreaAlignmentProperties.h"
#include "model/BorderPaddingBackgroundProperties.h"
#include "model/ColorRelatedProperties.h"
#include "model/FontProperties.h"
#include "platform/GdiTypes.h"

class CEditNode;

class CEditCaret : public CFontProperties,
                   public CColorRelatedProperties,
                   public CBorderPaddingBackgroundProperties,
                   public CAreaAlignmentProperties {
 public:
  CEditCaret();

  void Reset();
  void ClearSelection();
  // Takes the face and its character set, precisions, quality and pitch from the installed
  // font; size, weight and italic stay. A face that is not installed changes nothing.
  void SetFaceName(const char* pszFace);

  LOGFONTA m_lfNew{};
  CEditNode* m_pAnchor = nullptr;
  int m_nAnchorAfter = 0;
  CEditNode* m_pCaretNode = nullptr;
  int m_nCaretAfter = 0;
  int m_nInputType = 0;  // type word of the node whose font new text last took
  int m_bKeepX = 0;
  int m_nDesiredX = 0;  // below 0: the caret node's left edge
};
