#include "skin/controls/SkinObjImage.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/DrawTransparent.h"

DEFINE_CLASS_INFO(TSkinObjImage, TSkinControl, {})

namespace {
// Destination frame <- source frame, both counted from 0; a source frame
// the strip lacks is skipped.
struct TFrameCopy {
  int To, From;
};

struct TGlyphLayout {
  int Frames;
  std::vector<TFrameCopy> Always;
  std::vector<TFrameCopy> WithFiveFrames;  // only when the source has 5
};

const TGlyphLayout& LayoutOf(int mode) {
  static const TGlyphLayout check{9, {{0, 0}, {3, 0}, {1, 1}, {4, 1}, {6, 2}, {7, 3}}, {{2, 4}, {5, 4}, {8, 4}}};
  static const TGlyphLayout radio{6, {{0, 0}, {2, 0}, {1, 1}, {3, 1}, {4, 2}, {5, 3}}, {}};
  static const TGlyphLayout properties{6, {{0, 0}, {3, 0}, {1, 1}, {4, 1}}, {{2, 4}, {5, 4}}};
  return mode == gmRadioGlyphs ? radio : mode == gmPropertiesGlyph ? properties : check;
}

void CopyFrame(const TBitmap& source, int from, TBitmap& strip, int to, int width, int height) {
  BitBlt(strip.Canvas().Handle(), to * width, 0, width, height, const_cast<TBitmap&>(source).Canvas().Handle(),
         from * width, 0, SRCCOPY);
}
}  // namespace

void BuildGlyphStrip(int mode, const TBitmap& source, int sourceFrames, TBitmap& strip) {
  strip.SetSize(0, 0);
  if (source.Empty()) return;
  if (sourceFrames < 1) sourceFrames = 1;
  const TGlyphLayout& layout = LayoutOf(mode);
  const int width = source.Width() / sourceFrames, height = source.Height();
  strip.SetSize(layout.Frames * width, height);
  if (strip.Empty()) return;
  auto copy = [&](const TFrameCopy& c) {
    if (c.From < sourceFrames) CopyFrame(source, c.From, strip, c.To, width, height);
  };
  for (const TFrameCopy& c : layout.Always) copy(c);
  if (sourceFrames == 5)
    for (const TFrameCopy& c : layout.WithFiveFrames) copy(c);
}

void TSkinObjImage::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  FSkinData = SkinData;
  FForm = Form;
  FCanvas = Canvas;
  FOwnsColor = OwnsColor;
  FControl = dynamic_cast<TWinControl*>(Owner());
  FHandle = FControl && FControl->HandleAllocated() ? FControl->Handle() : nullptr;
  RegisterWithForm();
  Apply();
  FAttached = true;
  FStatus = ssAttached;
}

void TSkinObjImage::Apply() {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->PushButtons.get() : nullptr;
  if (!buttons || !FControl) return;
  const bool radio = GlyphMode == gmRadioGlyphs;
  const TBitmap& source = radio ? *buttons->RadioImage : *buttons->CheckImage;
  TBitmap strip;
  BuildGlyphStrip(GlyphMode, source, radio ? buttons->RadioButtonFrame : buttons->CheckButtonFrame, strip);
  if (strip.Empty()) return;
  if (GlyphMode == gmPropertiesGlyph) {
    TPersistent* properties = ReadObjectProp(FControl, "Properties", TPersistent::StaticClass());
    if (auto* glyph = static_cast<TBitmap*>(ReadObjectProp(properties, "Glyph", TBitmap::StaticClass()))) {
      glyph->Assign(strip);
      glyph->TransparentColor = kSkinKeyColour;
      glyph->Transparent = false;
    }
    return;
  }
  auto* glyphs = static_cast<TBitmap*>(ReadObjectProp(FControl, "CustomGlyphs", TBitmap::StaticClass()));
  if (!glyphs) return;
  glyphs->Assign(strip);
  WriteProp(FControl, "transparentcolor", std::to_wstring(kSkinKeyColour));
  // Off and on again, so the control reloads its glyphs.
  WriteProp(FControl, "UseCustomGlyphs", L"False");
  WriteProp(FControl, "UseCustomGlyphs", L"True");
}

void TSkinObjImage::SkinChanged() { Apply(); }

void TSkinObjImage::Detach() {
  TSkinControl::Detach();
  if (!FControl || FStatus == ssWindowGone) return;
  if (GlyphMode != gmPropertiesGlyph) {
    WriteProp(FControl, "UseCustomGlyphs", L"False");
    return;
  }
  TPersistent* properties = ReadObjectProp(FControl, "Properties", TPersistent::StaticClass());
  if (auto* glyph = static_cast<TBitmap*>(ReadObjectProp(properties, "Glyph", TBitmap::StaticClass())))
    glyph->SetSize(0, 0);
}
