// Puts a handler in front of a class-library control's WindowProc. Links of
// several owners may be installed on one control and removed in any order:
// a link that is not in front when it leaves becomes a pass-through, so it
// never cuts a later link out of the chain nor puts back a stale procedure,
// and it is dropped from the chain when the link in front of it leaves.
#pragma once
#include "host/Controls.h"
#include <memory>

// How many links stand in front of the control's own procedure (those that
// left are not counted).
int WindowProcLinks(const TControl& control);

class TWindowProcLink {
public:
  TWindowProcLink() = default;
  ~TWindowProcLink() { Remove(); }
  TWindowProcLink(const TWindowProcLink&) = delete;
  TWindowProcLink& operator=(const TWindowProcLink&) = delete;

  // handler sees every message first; it passes one on with CallNext.
  void Install(TControl& control, TWndMethod handler);
  void Remove();
  bool Installed() const { return !FNode.expired(); }
  // The procedure that was in front of the control before this link.
  void CallNext(TMessage& m) const;

  struct TNode;

private:
  // Owned by the control's chain: gone with the control.
  std::weak_ptr<TNode> FNode;
};
