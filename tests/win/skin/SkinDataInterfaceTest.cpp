// The skin component's interface by name: its events bound from a stored
// form description to handlers of the form, its sets read back, its list of
// foreign classes written, and the application icon bitmap.
#include "skin/form/WinSkinForm.h"
#include <algorithm>
#include "tests/win/PumpUntil.h"
#include "tests/win/skin/SkinDataFixture.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
// A form whose handlers record what the skin component's events told them.
class TEventForm : public TForm {
public:
  using TForm::TForm;

  TMethod FindMethod(const std::string& name) override {
    static const TMethodEntry<TEventForm> methods[] = {
        {"SkinData1FormSkin", &TEventForm::SkinData1FormSkin},
        {"SkinData1SkinControl", &TEventForm::SkinData1SkinControl},
        {"SkinData1BeforeSkinForm", &TEventForm::SkinData1BeforeSkinForm},
        {"SkinData1AfterSkinForm", &TEventForm::SkinData1AfterSkinForm},
        {"SkinData1SkinChanged", &TEventForm::SkinData1SkinChanged},
    };
    return FindMethodIn(this, methods, name);
  }

  void SkinData1FormSkin(TObject* Sender, const std::wstring& aName, bool& DoSkin) {
    Calls.push_back(L"FormSkin " + aName);
    FormSkinSender = Sender;
    DoSkin = aName != L"TNeverSkinned";
  }
  void SkinData1SkinControl(TComponent* Sender, TSkinData* SkinData, TControl* Form, TControl* Control,
                            const std::wstring& ControlClass, TComponent*& SkinnedControl) {
    Calls.push_back(L"SkinControl " + ControlClass);
    SkinControlArgs = {Sender, SkinData, Form, Control};
    SkinnedControl = Skinner;
  }
  void SkinData1BeforeSkinForm(TObject* Sender, HWND ahwnd, const std::wstring&) {
    Calls.push_back(L"BeforeSkinForm");
    BeforeArgs = {Sender, ahwnd};
  }
  void SkinData1AfterSkinForm(TObject* Sender, HWND ahwnd, const std::wstring&) {
    Calls.push_back(L"AfterSkinForm");
    AfterArgs = {Sender, ahwnd};
  }
  void SkinData1SkinChanged(TObject*) { Calls.push_back(L"SkinChanged"); }

  std::vector<std::wstring> Calls;
  TObject* FormSkinSender = nullptr;
  struct {
    TComponent* Sender;
    TSkinData* SkinData;
    TControl *Form, *Control;
  } SkinControlArgs{};
  std::pair<TObject*, HWND> BeforeArgs{}, AfterArgs{};
  TComponent* Skinner = nullptr;  // what the control handler hands back
};

bool Called(const TEventForm& form, const std::wstring& call) {
  return std::find(form.Calls.begin(), form.Calls.end(), call) != form.Calls.end();
}

const char* const kBindings = "    OnFormSkin = SkinData1FormSkin\n"
                              "    OnSkinControl = SkinData1SkinControl\n"
                              "    OnBeforeSkinForm = SkinData1BeforeSkinForm\n"
                              "    OnAfterSkinForm = SkinData1AfterSkinForm\n";

class SkinDataEvents : public SkinDataTest {
protected:
  // The component of a TEventForm, with the dark skin stored and the four
  // events bound by name.
  TSkinData* ReadBound() {
    TMemoryStream dark;
    EXPECT_TRUE(dark.LoadFromFile(skinload::BuiltSkinFile(L"dark.skn")));
    TSkinData* data = Read<TEventForm>(std::string("    Active = True\n") + kBindings +
                                       "    SkinStream = {" + StoredStream(dark.Bytes()) + "}\n");
    EXPECT_FALSE(data->NoSkinLoaded);
    return data;
  }
  TEventForm& EventForm() { return static_cast<TEventForm&>(*Form); }
};
}  // namespace

TEST_F(SkinDataEvents, TheFourEventsAreBoundByHandlerNameAndFire) {
  TSkinData* data = ReadBound();
  ASSERT_TRUE(data->OnFormSkin && data->OnSkinControl && data->OnBeforeSkinForm && data->OnAfterSkinForm);

  // OnFormSkin alone decides whether a window class is skinned.
  bool doSkin = true;
  data->FormSkinDecision(nullptr, L"TNeverSkinned", doSkin);
  EXPECT_FALSE(doSkin);
  EXPECT_TRUE(Called(EventForm(), L"FormSkin TNeverSkinned"));
  EXPECT_EQ(EventForm().FormSkinSender, data);

  // OnSkinControl hands its skinner back through the out parameter.
  TComponent skinner(nullptr);
  EventForm().Skinner = &skinner;
  TControl control(nullptr);
  TComponent* skinned = nullptr;
  data->OnSkinControl(data, data, Form, &control, L"TRzButton", skinned);
  EXPECT_EQ(skinned, &skinner);
  EXPECT_TRUE(Called(EventForm(), L"SkinControl TRzButton"));
  EXPECT_EQ(EventForm().SkinControlArgs.Sender, data);
  EXPECT_EQ(EventForm().SkinControlArgs.SkinData, data);
  EXPECT_EQ(EventForm().SkinControlArgs.Form, Form);
  EXPECT_EQ(EventForm().SkinControlArgs.Control, &control);

  // Showing the form skins it: the form skinner fires the other two.
  Form->SetBounds(40, 40, 320, 240);
  Form->Show();
  ASSERT_TRUE(PumpUntil([this] { return Called(EventForm(), L"AfterSkinForm"); }));
  EXPECT_TRUE(Called(EventForm(), L"BeforeSkinForm"));
  EXPECT_EQ(EventForm().BeforeArgs, std::make_pair(static_cast<TObject*>(Form), Form->Handle()));
  EXPECT_EQ(EventForm().AfterArgs, std::make_pair(static_cast<TObject*>(Form), Form->Handle()));
  EXPECT_LT(std::find(EventForm().Calls.begin(), EventForm().Calls.end(), L"BeforeSkinForm"),
            std::find(EventForm().Calls.begin(), EventForm().Calls.end(), L"AfterSkinForm"));
  // The form's own class went through OnFormSkin on the way.
  EXPECT_TRUE(Called(EventForm(), L"FormSkin TForm"));
}

TEST_F(SkinDataEvents, BoundEventsReadBackByName) {
  TSkinData* data = ReadBound();
  for (const char* event : {"OnFormSkin", "OnSkinControl", "OnBeforeSkinForm", "OnAfterSkinForm"}) {
    TValue value;
    ASSERT_TRUE(GetPropValue(data, event, value)) << event;
    EXPECT_EQ(value.Kind, TValue::vkEvent) << event;
    EXPECT_TRUE(value.Handler) << event;
  }
  TValue control;
  GetPropValue(data, "OnSkinControl", control);
  EXPECT_NE(control.Handler.As<void(TComponent*, TSkinData*, TControl*, TControl*, const std::wstring&,
                                    TComponent*&)>(),
            nullptr);
  EXPECT_EQ(control.Handler.As<void(TObject*)>(), nullptr);  // never as a handler of other parameters
}

TEST_F(SkinDataEvents, AHandlerOfOtherParametersIsAReaderError) {
  struct TCase {
    const char* Line;
    const char* Handler;
    const char* Event;
  } cases[] = {{"    OnSkinChanged = SkinData1SkinControl\n", "SkinData1SkinControl", "OnSkinChanged"},
               {"    OnSkinControl = SkinData1SkinChanged\n", "SkinData1SkinChanged", "OnSkinControl"},
               {"    OnBeforeSkinForm = SkinData1FormSkin\n", "SkinData1FormSkin", "OnBeforeSkinForm"}};
  for (const TCase& c : cases) {
    delete Form;
    Form = nullptr;
    try {
      Read<TEventForm>(c.Line);
      ADD_FAILURE() << "no error for " << c.Line;
    } catch (const EReadError& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find(c.Handler), std::string::npos) << what;
      EXPECT_NE(what.find(c.Event), std::string::npos) << what;
      EXPECT_NE(what.find("parameters"), std::string::npos) << what;
    }
  }
  // The same handler where its parameters fit is bound.
  delete Form;
  Form = nullptr;
  TSkinData* data = Read<TEventForm>("    OnSkinChanged = SkinData1SkinChanged\n");
  data->SkinChanged();
  EXPECT_TRUE(Called(EventForm(), L"SkinChanged"));
}

TEST_F(SkinDataEvents, SettingAHandlerOfOtherParametersByNameIsRefused) {
  TSkinData data(nullptr);
  const TNotifyEvent notify = [](TObject*) {};
  EXPECT_THROW(SetPropValue(&data, "OnSkinControl", TValue::Method(TMethod(notify))), EPropertyError);
  EXPECT_FALSE(data.OnSkinControl);
  EXPECT_TRUE(SetPropValue(&data, "OnSkinChanged", TValue::Method(TMethod(notify))));
  EXPECT_TRUE(data.OnSkinChanged);
  EXPECT_TRUE(SetPropValue(&data, "OnSkinChanged", TValue::Method(TMethod())));  // cleared
  EXPECT_FALSE(data.OnSkinChanged);
}

TEST(SkinDataByName, SkinControlsAndOptionsReadAsTheirMemberNames) {
  TSkinData data(nullptr);
  TValue controls, options;
  ASSERT_TRUE(GetPropValue(&data, "SkinControls", controls));
  ASSERT_TRUE(GetPropValue(&data, "Options", options));
  EXPECT_EQ(controls.Kind, TValue::vkSet);
  EXPECT_EQ(controls.Items,
            (std::vector<std::wstring>{L"xcMainMenu", L"xcPopupMenu", L"xcToolbar", L"xcControlbar", L"xcCombo",
                                       L"xcCheckBox", L"xcRadioButton", L"xcProgress", L"xcScrollbar", L"xcEdit",
                                       L"xcButton", L"xcBitBtn", L"xcSpeedButton", L"xcSpin", L"xcPanel",
                                       L"xcGroupBox", L"xcStatusBar", L"xcTab", L"xcTrackBar", L"xcSystemMenu"}));
  EXPECT_EQ(options.Items, (std::vector<std::wstring>{L"xoPreview", L"xoToolbarBK", L"xoCaptionButtonHint"}));

  ASSERT_TRUE(SetPropValue(&data, "SkinControls", TValue::Set({L"xcFastReport", L"XCEDIT"})));
  ASSERT_TRUE(SetPropValue(&data, "Options", TValue::Set({})));
  GetPropValue(&data, "SkinControls", controls);
  GetPropValue(&data, "Options", options);
  EXPECT_EQ(controls.Items, (std::vector<std::wstring>{L"xcEdit", L"xcFastReport"}));
  EXPECT_TRUE(options.Items.empty());
  EXPECT_EQ(data.SkinControls, SetOf({xcEdit, xcFastReport}));
}

TEST(SkinDataByName, AssigningAStringListToSkin3rdCopiesItsRows) {
  TSkinData data(nullptr);
  TStringList rows{L"TMyGrid=scrollbar", L"TMyButton=button"};
  ASSERT_TRUE(SetPropValue(&data, "Skin3rd", TValue::Obj(&rows)));
  EXPECT_EQ(data.GetSkin3rd()->Items(), rows.Items());
  rows.Add(L"TLater=edit");  // a copy, not the same list
  EXPECT_EQ(data.GetSkin3rd()->Count(), 2);

  ASSERT_TRUE(SetPropValue(&data, "Skin3rd", TValue::List({L"TOnly=panel"})));
  EXPECT_EQ(data.GetSkin3rd()->Items(), std::vector<std::wstring>{L"TOnly=panel"});
  TValue read;
  ASSERT_TRUE(GetPropValue(&data, "Skin3rd", read));
  EXPECT_EQ(read.Object, data.GetSkin3rd());

  EXPECT_THROW(SetPropValue(&data, "Skin3rd", TValue::Integer(3)), EPropertyError);
  EXPECT_THROW(SetPropValue(&data, "Skin3rd", TValue::Obj(&data)), EPropertyError);
  EXPECT_EQ(data.GetSkin3rd()->Items(), std::vector<std::wstring>{L"TOnly=panel"});
}

// The main window's component, made from the stored description.
class SkinDataMainForm : public SkinnedFormTest {};

TEST_F(SkinDataMainForm, AppIconBitmapIsA24BitSmallIconKeyedOnMagenta) {
  const TBitmap& icon = Data->AppIconBitmap;
  EXPECT_EQ(icon.PixelFormat(), pf24bit);
  EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(icon.Height(), GetSystemMetrics(SM_CYSMICON));
  EXPECT_TRUE(icon.Transparent);
  EXPECT_EQ(icon.TransparentColor, TColor(0xFF00FF));
  // A component that was never loaded has the 24-bit format already.
  EXPECT_EQ(TSkinData(nullptr).AppIconBitmap.PixelFormat(), pf24bit);
}
