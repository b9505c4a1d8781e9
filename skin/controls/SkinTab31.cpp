#include "skin/controls/SkinTab31.h"
#include "host/Tabs.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/ImgUtil.h"
#include "skin/draw/SkinPaint.h"

DEFINE_CLASS_INFO(TSkinTab31, TSkinControl, {})

namespace {
bool HasTabImage(const TSkinData* data) { return data && HasImage(data->Tabs.get()); }

// The tab set's scroller: its first component, a windowed child of it.
TWinControl* ScrollerOf(TWinControl& tabSet) {
  if (tabSet.Components().empty()) return nullptr;
  auto* scroller = dynamic_cast<TWinControl*>(tabSet.Components().front());
  return scroller && scroller->Parent() == &tabSet ? scroller : nullptr;
}
}  // namespace

void TSkinTab31::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool, TCanvas* Canvas) {
  if (FAttached) return;
  FControl = dynamic_cast<TWinControl*>(Owner());
  if (!FControl) return;
  AttachWindow(FControl->Handle(), SkinData, Form, Canvas);
  PrepareImages();
  TWinControl* scroller = ScrollerOf(*FControl);
  if (!scroller) return;
  FScroller = scroller;
  FUpDown.Skin(scroller->Handle(), Owner(), true, FSkinData, FForm, FCanvas);
}

void TSkinTab31::Detach() {
  if (DetachToNative(*this)) FUpDown.SwitchOff(FHandle);
}

void TSkinTab31::PrepareImages() {
  FTabImage.SetSize(0, 0);
  if (!HasTabImage(FSkinData)) return;
  CopyBitmap(*FSkinData->Tabs->Image, FTabImage);
  // Tab-set tabs open downwards.
  FlipBitmap(FTabImage);
}

void TSkinTab31::SkinChanged() {
  PrepareImages();
  TSkinControl::SkinChanged();
}

bool TSkinTab31::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      // Painted now, and once more after the native painting.
      HandlePaint(*this, Message);
      return true;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinTab31::PaintControl(HDC DC, const RECT& Rect) {
  if (!HasTabImage(FSkinData) || FTabImage.Empty()) return;
  const TDataSkinBorder& tabs = *FSkinData->Tabs;
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  TBitmap buffer(w, h, pf24bit);
  if (buffer.Empty()) return;
  TCanvas& canvas = buffer.Canvas();
  FillFace(canvas.Handle(), {0, 0, w, h});
  AssignControlFont(canvas, *this);
  auto* captions = static_cast<TStringList*>(ReadObjectProp(FControl, "Tabs", TStringList::StaticClass()));
  std::vector<int> widths;
  if (captions)
    for (const std::wstring& caption : captions->Items()) widths.push_back(canvas.TextExtent(caption).cx);
  const int selected = ReadIntProp(FControl, "TabIndex");
  const bool scrollerVisible = FScroller && FScroller->GetVisible();
  const int limit = w - ReadIntProp(FControl, "EndMargin");
  for (const TTabSetSpot& spot : TabSetLayout(widths, ReadIntProp(FControl, "FirstIndex"),
                                              ReadIntProp(FControl, "StartMargin"), limit, scrollerVisible)) {
    const int frame = spot.Index == selected ? tfFocused : tfNormal;
    const RECT r{spot.Left, 0, spot.Right, h};
    DrawSkinElement(canvas.Handle(), r, FTabImage, SkinMargins(tabs), false, tabs.Tile == 1, tabs.Trans == 1,
                    tabs.FrameCount, frame);
    canvas.Font().SetColor(frame == tfNormal ? tabs.NormalColour2 : tabs.MouseOverColour2);
    DrawCaption(*this, canvas, r, DT_CENTER, true, (*captions)[spot.Index]);
  }
  BitBlt(DC, Rect.left, Rect.top, w, h, canvas.Handle(), 0, 0, SRCCOPY);
}
