// Buttons with a glyph: the bit button (a push button that draws a glyph
// beside its caption) and the speed button (a windowless button of a tool
// row that can stay down).
#pragma once
#include "host/Bitmap.h"
#include "host/ImgList.h"
#include "host/StdCtrls.h"

// Where the glyph sits against the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// The images of a glyph strip, by the button's state.
enum TGlyphImage { giUp = 1, giDisabled = 2, giDown = 3, giExclusive = 4 };

// The glyph and its placement, as both kinds publish them.
struct TButtonGlyph {
  TBitmap Glyph;       // NumGlyphs images side by side
  int NumGlyphs = 1;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;     // from the edge the glyph is next to; -1 centres glyph and caption together
  int Spacing = 4;     // between glyph and caption

  // The native look: image of the glyph (its bottom-left colour left out)
  // and caption laid out in r, moved by offset while pressed.
  void Draw(TCanvas& canvas, const RECT& r, const std::wstring& caption, TGlyphImage image, bool enabled,
            int offset) const;
  // "Glyph.Data" of a stored description: a 4-byte length, then a BMP file.
  bool ReadData(const std::vector<uint8_t>& data);
};

class TBitBtn : public TButton {
public:
  DECLARE_CLASS_INFO
  explicit TBitBtn(TComponent* AOwner);
  TButtonGlyph& ButtonGlyph() { return FGlyph; }
  // An image list instead of a glyph, not owned: ImageIndex shows while
  // enabled, DisabledIndex (or ImageIndex greyed) while disabled.
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* v) { FImages = v; Invalidate(); }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v; Invalidate(); }
  int GetDisabledIndex() const { return FDisabledIndex; }
  void SetDisabledIndex(int v) { FDisabledIndex = v; Invalidate(); }
  bool ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) override;

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  TButtonGlyph FGlyph;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FDisabledIndex = -1;
};

class TSpeedButton : public TGraphicControl {
public:
  DECLARE_CLASS_INFO
  explicit TSpeedButton(TComponent* AOwner);
  TButtonGlyph& ButtonGlyph() { return FGlyph; }
  // Only drawn raised while under the mouse or pressed.
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; Invalidate(); }
  // Buttons of one GroupIndex (not 0) on a parent act as a radio group:
  // one going down lets the others up.
  bool GetDown() const { return FDown; }
  void SetDown(bool v);
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v) { FGroupIndex = v; }
  // The last down button of a group may go up again.
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  // A flat button that is up shows its parent behind it.
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool v) { FTransparent = v; Invalidate(); }
  bool ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data) override;
  void Paint(TCanvas& canvas) override;

protected:
  void WndProc(TMessage& m) override;

private:
  enum TState { bsUp, bsDisabled, bsDown, bsExclusive };
  bool Inside(LPARAM point) const;
  void MouseMoved(LPARAM point);
  void MouseReleased(LPARAM point);
  // The others of its group go up.
  void UpdateExclusive();
  TButtonGlyph FGlyph;
  bool FFlat = false, FDown = false, FAllowAllUp = false, FTransparent = true;
  int FGroupIndex = 0;
  TState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};
