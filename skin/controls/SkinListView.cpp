#include "skin/controls/SkinListView.h"

DEFINE_CLASS_INFO(TSkinListView, TSkinScrollbar, {})

void TSkinListView::AttachScrolled(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinScrollbar::AttachScrolled(Control, SkinData, Form, Canvas);
  if (!FHandle) return;
  if (const HWND header = HWND(SendMessageW(FHandle, LVM_GETHEADER, 0, 0))) {
    FHeaderSkinner = new TSkinHeader(this);
    FHeaderSkinner->AttachWindow(header, SkinData, Form, Canvas);
  }
}

void TSkinListView::Detach() {
  if (!FActive) return;
  if (FHeaderSkinner) std::exchange(FHeaderSkinner, nullptr)->Release();
  TSkinScrollbar::Detach();
}
