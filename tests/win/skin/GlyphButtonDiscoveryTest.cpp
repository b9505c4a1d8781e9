// The glyph buttons on a skinned form: discovery gives each class and each
// Skin3rd kind its skinner, and the form skinner's detach gives every
// button its WindowProc and its properties back.
#include "gallery/GalleryStandIns.h"
#include "host/Buttons.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <algorithm>
#include <typeinfo>

namespace {

// Classes of other component sets, known to the skin only by name (the
// picture and drop-down buttons are the gallery's stand-ins).
class TDropDownMenuButton : public TButton {
public:
  DECLARE_CLASS_INFO
  using TButton::TButton;
};
DEFINE_CLASS_INFO(TDropDownMenuButton, TButton, {})

// Windowless tool buttons that are no speed buttons of the class library.
class TToolRowButton : public TGraphicControl {
public:
  DECLARE_CLASS_INFO
  using TGraphicControl::TGraphicControl;
  void Paint(TCanvas&) override {}
};
DEFINE_CLASS_INFO(TToolRowButton, TGraphicControl, {})

class TPngSpeedButton : public TToolRowButton {
public:
  DECLARE_CLASS_INFO
  using TToolRowButton::TToolRowButton;
};
DEFINE_CLASS_INFO(TPngSpeedButton, TToolRowButton, {})

struct Expected {
  TControl* Control;
  const std::type_info& Skinner;
  const char* GlyphProperty;
};

class GlyphButtonDiscovery : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
    for (const wchar_t* row : {L"TPngBitBtn=pngbitbtn", L"tcxbutton=bitbtn", L"TDropDownMenuButton=menubtn",
                               L"TToolRowButton=speedbutton", L"TPngSpeedButton=pngspeedbutton"})
      Data->GetSkin3rd()->Add(row);
    Second = new TForm(Application);
    Second->SetBounds(40, 40, 400, 120);
    Button = Add(new TButton(Second));
    BitBtn = Add(new TBitBtn(Second));
    Speed = Add(new TSpeedButton(Second));
    Png = Add(new TPngBitBtn(Second));
    Cx = Add(new TcxButton(Second));
    CxDropDown = Add(new TcxButton(Second));
    CxDropDown->SetKind(cxbkDropDownButton);
    DropDown = Add(new TDropDownMenuButton(Second));
    Tool = Add(new TToolRowButton(Second));
    PngTool = Add(new TPngSpeedButton(Second));
    ShowSecond();
  }
  // Its first activation skins it.
  void ShowSecond() {
    Second->Show();
    Application->ProcessMessages();
    Skinner = FindFormSkinner(Second->Handle());
    ASSERT_NE(Skinner, nullptr);
  }
  void TearDown() override {
    delete Second;
    SkinnedFormTest::TearDown();
  }
  template <class T>
  T* Add(T* control) {
    control->SetParent(Second);
    control->SetBounds(5 + 40 * int(Second->ControlCount() - 1), 5, 38, 30);
    control->SetText(L"B");
    All.push_back(control);
    return control;
  }
  std::vector<Expected> Table() const {
    return {{Button, typeid(TSkinButton), ""},
            {BitBtn, typeid(TSkinBitButton), ""},
            {Speed, typeid(TSkinSpeedButton), ""},
            {Png, typeid(TSkinBitButton), "PngImage"},
            {Cx, typeid(TSkinBitButton), ""},
            {CxDropDown, typeid(TSkinMenuButton), ""},
            {DropDown, typeid(TSkinMenuButton), ""},
            {Tool, typeid(TSkinSpeedButton), ""},
            {PngTool, typeid(TSkinSpeedButton), "PngImage"}};
  }

  TForm* Second = nullptr;
  TWinSkinForm* Skinner = nullptr;
  std::vector<TControl*> All;
  TButton* Button = nullptr;
  TBitBtn* BitBtn = nullptr;
  TSpeedButton* Speed = nullptr;
  TPngBitBtn* Png = nullptr;
  TcxButton *Cx = nullptr, *CxDropDown = nullptr;
  TDropDownMenuButton* DropDown = nullptr;
  TToolRowButton* Tool = nullptr;
  TPngSpeedButton* PngTool = nullptr;
};

TEST_F(GlyphButtonDiscovery, EachClassAndKindGetsItsSkinner) {
  for (const Expected& e : Table()) {
    TSkinControl* skinner = Skinner->FindControlSkinner(*e.Control);
    ASSERT_NE(skinner, nullptr) << e.Control->ClassName();
    EXPECT_EQ(typeid(*skinner), e.Skinner) << e.Control->ClassName();
    if (auto* bit = dynamic_cast<TSkinBitButton*>(skinner)) {
      EXPECT_EQ(bit->GlyphProperty(), e.GlyphProperty) << e.Control->ClassName();
    }
    EXPECT_EQ(e.Control->Perform(WM_SKIN_QUERY), 1) << e.Control->ClassName();
  }
}

TEST_F(GlyphButtonDiscovery, DiscoveringAgainGivesNoButtonASecondSkinner) {
  const size_t skinners = Skinner->ControlSkinners.size();
  Skinner->DiscoverControls();
  EXPECT_EQ(Skinner->ControlSkinners.size(), skinners);
  for (TControl* c : All) {
    const auto paints = [c](TSkinControl* s) { return s->Control() == c || s->GraphicControl() == c; };
    EXPECT_EQ(std::count_if(Skinner->ControlSkinners.begin(), Skinner->ControlSkinners.end(), paints), 1)
        << c->ClassName();
  }
}

TEST_F(GlyphButtonDiscovery, WithoutTheirOptionsBitAndSpeedButtonsStayNative) {
  delete Second;
  Second = nullptr;
  All.clear();
  Data->SkinControls &= ~(SetOf({xcBitBtn, xcSpeedButton}));
  Second = new TForm(Application);
  BitBtn = Add(new TBitBtn(Second));
  Speed = Add(new TSpeedButton(Second));
  ShowSecond();
  if (HasFatalFailure()) return;
  EXPECT_EQ(Skinner->FindControlSkinner(*BitBtn), nullptr);  // nor as a push button
  EXPECT_EQ(Skinner->FindControlSkinner(*Speed), nullptr);
}

TEST_F(GlyphButtonDiscovery, SkinningOffGivesEveryButtonItsWindowProcAndPropertiesBack) {
  const TButton neverSkinned(nullptr);
  const std::type_info& ownProc = neverSkinned.WindowProc.target_type();
  std::vector<std::pair<TColor, std::wstring>> before;
  for (TControl* c : All) before.emplace_back(c->GetColor(), c->GetText());
  Skinner->Detach();
  for (size_t i = 0; i < All.size(); ++i) {
    TControl* c = All[i];
    EXPECT_EQ(c->WindowProc.target_type(), ownProc) << c->ClassName();
    EXPECT_EQ(c->Perform(WM_SKIN_QUERY), 0) << c->ClassName();
    EXPECT_EQ(c->GetColor(), before[i].first) << c->ClassName();
    EXPECT_EQ(c->GetText(), before[i].second) << c->ClassName();
  }
  // The form paints its windowless buttons through their own painting again,
  // which leaves their canvases as it found them.
  const RECT client = Second->ClientRect();
  TBitmap painted(client.right, client.bottom);
  Second->Perform(WM_PAINT, WPARAM(painted.Canvas().Handle()), 0);
  for (TGraphicControl* g : {static_cast<TGraphicControl*>(Speed), static_cast<TGraphicControl*>(Tool)}) {
    EXPECT_FALSE(g->CanvasLocked());
    EXPECT_EQ(g->Canvas().Handle(), nullptr);
  }
}

TEST_F(GlyphButtonDiscovery, TheMainFormsKeysGetTheirWindowProcBackToo) {
  const TButton neverSkinned(nullptr);
  TWinSkinForm* main = FindFormSkinner(Form->Handle());
  ASSERT_NE(main, nullptr);
  main->Detach();
  int keys = 0;
  for (TComponent* c : Form->Components())
    if (auto* key = dynamic_cast<TButton*>(c)) {
      ++keys;
      EXPECT_EQ(key->WindowProc.target_type(), neverSkinned.WindowProc.target_type()) << WideToUtf8(key->GetText());
    }
  EXPECT_GT(keys, 10);
}

}  // namespace
