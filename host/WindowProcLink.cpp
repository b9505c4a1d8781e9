#include "host/WindowProcLink.h"

struct TWindowProcLink::TNode {
  TControl* Control = nullptr;
  TWndMethod Next;
  TWndMethod Handler;  // empty: the link has left, messages pass through
};

namespace {
// What a link puts into the control's WindowProc.
struct TTrampoline {
  std::shared_ptr<TWindowProcLink::TNode> Node;
  void operator()(TMessage& m) const {
    // The node must outlive this call even if the handler takes the link out.
    const std::shared_ptr<TWindowProcLink::TNode> node = Node;
    if (node->Handler)
      node->Handler(m);
    else
      node->Next(m);
  }
};

// Skips links that have left.
TWndMethod WithoutLeftLinks(TWndMethod proc) {
  while (const TTrampoline* t = proc.target<TTrampoline>()) {
    if (t->Node->Handler) break;
    TWndMethod next = t->Node->Next;
    proc = std::move(next);
  }
  return proc;
}
}  // namespace

int WindowProcLinks(const TControl& control) {
  int links = 0;
  for (const TWndMethod* proc = &control.WindowProc; const TTrampoline* t = proc->target<TTrampoline>();
       proc = &t->Node->Next)
    if (t->Node->Handler) ++links;
  return links;
}

void TWindowProcLink::Install(TControl& control, TWndMethod handler) {
  Remove();
  auto node = std::make_shared<TNode>();
  node->Control = &control;
  node->Next = WithoutLeftLinks(control.WindowProc);
  node->Handler = std::move(handler);
  FNode = node;
  control.WindowProc = TTrampoline{std::move(node)};
}

void TWindowProcLink::Remove() {
  const std::shared_ptr<TNode> node = FNode.lock();
  FNode.reset();
  if (!node) return;
  node->Handler = nullptr;
  TControl& control = *node->Control;
  const TTrampoline* front = control.WindowProc.target<TTrampoline>();
  if (front && front->Node == node) control.WindowProc = WithoutLeftLinks(node->Next);
}

void TWindowProcLink::CallNext(TMessage& m) const {
  if (const std::shared_ptr<TNode> node = FNode.lock()) node->Next(m);
}
