// Which windows the skin manager gives a form skinner, with the shipped skin
// loaded by the main form.
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/ForeignDialog.h"
#include "tests/win/skin/SkinLoadKit.h"
#include "tests/win/skin/SkinnedFormFixture.h"

namespace {
LRESULT CALLBACK AnswersQuery(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SKIN_QUERY) return 1;
  return DefWindowProcW(wnd, msg, wparam, lparam);
}

// A top-level window of a class registered for this test, of the given module.
HWND MakeWindow(const wchar_t* className, HINSTANCE instance, int width, int height,
                WNDPROC proc = DefWindowProcW) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"probe", WS_POPUP | WS_CAPTION, 10, 10, width, height, nullptr, nullptr,
                         instance, nullptr);
}

class SkinManageAdmitTest : public SkinnedFormTest {
protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    if (HasFatalFailure()) return;
  }
  void TearDown() override {
    for (HWND w : Windows)
      if (IsWindow(w)) DestroyWindow(w);
    SkinnedFormTest::TearDown();
  }
  HWND Keep(HWND w) {
    Windows.push_back(w);
    return w;
  }
  std::vector<HWND> Windows;
};
}  // namespace

TEST_F(SkinManageAdmitTest, TheMainWindowIsSkinnedWhenFirstActivated) {
  HWND main = Form->Handle();
  TWinSkinForm* skinner = FindFormSkinner(main);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Form, Form);
  EXPECT_EQ(skinner->SkinData, Data);
  EXPECT_EQ(skinner->State, skActive);
  EXPECT_EQ(SkinManager->RunState, rsRunning);
  EXPECT_EQ(SendMessageA(main, WM_SKIN_QUERY, 0, 0), 1);
  // Already skinned: no second skinner.
  EXPECT_FALSE(SkinManager->SkinWindow(main));
  EXPECT_EQ(SkinManager->FormSkinners.size(), 1u);
}

TEST_F(SkinManageAdmitTest, AWindowThatAnswersTheQueryIsNotSkinned) {
  HWND w = Keep(MakeWindow(L"AnswersSkinQuery", ProgramInstance(), 80, 60, AnswersQuery));
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(SkinManager->SkinWindow(w));
  EXPECT_EQ(FindFormSkinner(w), nullptr);
}

TEST_F(SkinManageAdmitTest, AWindowOfTheProgramIsAdmittedButNotWithZeroArea) {
  HWND empty = Keep(MakeWindow(L"OwnProbe", ProgramInstance(), 0, 0));
  EXPECT_FALSE(SkinManager->SkinWindow(empty));
  HWND sized = Keep(MakeWindow(L"OwnProbe", ProgramInstance(), 80, 60));
  EXPECT_TRUE(SkinManager->SkinWindow(sized));
  ASSERT_NE(FindFormSkinner(sized), nullptr);
  EXPECT_EQ(FindFormSkinner(sized)->Form, nullptr);
  EXPECT_EQ(SendMessageA(sized, WM_SKIN_QUERY, 0, 0), 1);
  // The foreign-window skinner is the manager's: destroying the window frees it.
  DestroyWindow(sized);
  SkinManager->PurgeFormSkinners();
  EXPECT_EQ(FindFormSkinner(sized), nullptr);
}

TEST_F(SkinManageAdmitTest, AFormWithTag99IsNeverSkinned) {
  Data->SetDisableTag(7);
  auto* form = new TForm(Application);
  form->SetTag(99);
  form->SetBounds(20, 20, 200, 150);
  form->Show();
  Application->ProcessMessages();
  EXPECT_EQ(FindFormSkinner(form->Handle()), nullptr);
  EXPECT_FALSE(SkinManager->SkinWindow(form->Handle()));
  delete form;
}

TEST_F(SkinManageAdmitTest, AnotherFormIsSkinnedWhenActivated) {
  auto* form = new TForm(Application);
  form->SetBounds(20, 20, 200, 150);
  form->Show();
  Application->ProcessMessages();
  TWinSkinForm* skinner = FindFormSkinner(form->Handle());
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Owner(), form);
  delete form;  // frees its skinner, which leaves the registry
  EXPECT_EQ(SkinManager->FormSkinners.size(), 1u);
}

TEST_F(SkinManageAdmitTest, ADialogOfAnotherModuleIsAdmittedUnlessItWantsTheForeground) {
  HWND dialog = Keep(MakeForeignDialog(0));
  ASSERT_NE(dialog, nullptr);
  ASSERT_NE(HINSTANCE(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)), ProgramInstance());
  EXPECT_TRUE(SkinManager->SkinWindow(dialog));
  TWinSkinForm* skinner = FindFormSkinner(dialog);
  ASSERT_NE(skinner, nullptr);
  EXPECT_TRUE(skinner->IsDialog);
  EXPECT_EQ(skinner->BorderKind, bkDialog);

  HWND foreground = Keep(MakeForeignDialog(DS_SETFOREGROUND));
  ASSERT_NE(foreground, nullptr);
  ASSERT_TRUE(GetWindowLongPtrW(foreground, GWL_STYLE) & DS_SETFOREGROUND);
  EXPECT_FALSE(SkinManager->SkinWindow(foreground));
}

TEST_F(SkinManageAdmitTest, AWindowOfAnotherModuleThatIsNoDialogIsRefused) {
  HWND w = Keep(MakeWindow(L"ForeignProbe", GetModuleHandleW(L"kernel32.dll"), 80, 60));
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(SkinManager->SkinWindow(w));
}

TEST_F(SkinManageAdmitTest, ClassNamesThatAreNeverSkinned) {
  for (const wchar_t* name : {L"xTcxPopupEditPopupWindowx", L"TTERenderWindow1", L"TPopupDBTreeView",
                              L"SysMonthCal32"}) {
    HWND w = Keep(MakeWindow(name, ProgramInstance(), 80, 60));
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(SkinManager->SkinWindow(w)) << testing::PrintToString(std::wstring(name));
  }
}

TEST_F(SkinManageAdmitTest, PreviewWindowsOnlyWithThePreviewOption) {
  HWND w = Keep(MakeWindow(L"MyPrintPREVIEWForm", ProgramInstance(), 80, 60));
  Data->SetOptions(Data->Options & ~SetOf({xoPreview}));
  EXPECT_FALSE(SkinManager->AcceptWindowClass(w, L"MyPrintPREVIEWForm"));
  EXPECT_FALSE(SkinManager->SkinWindow(w));
  Data->SetOptions(Data->Options | SetOf({xoPreview}));
  EXPECT_TRUE(SkinManager->AcceptWindowClass(w, L"MyPrintPREVIEWForm"));
  EXPECT_TRUE(SkinManager->SkinWindow(w));
}

TEST_F(SkinManageAdmitTest, NothingIsAdmittedWhileSkinningIsOff) {
  HWND w = Keep(MakeWindow(L"OwnProbe", ProgramInstance(), 80, 60));
  SkinManager->SkinningActive = false;
  EXPECT_FALSE(SkinManager->SkinWindow(w));
}

TEST_F(SkinManageAdmitTest, SwitchingOffGivesTheMainWindowItsNativeFrameBack) {
  HWND main = Form->Handle();
  Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([] { return SkinManager->FormSkinners.empty(); }));
  EXPECT_NE(SendMessageA(main, WM_SKIN_QUERY, 0, 0), 1);
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 394);
  EXPECT_EQ(client.bottom, 354);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(main, region), ERROR);  // no shaped outline any more
  DeleteObject(region);
  // The form still works natively.
  PressAll(L"7");
  EXPECT_EQ(Display(), L"7");
}

TEST_F(SkinManageAdmitTest, SwitchingOffBeforeActivationKeepsTheWindowAsItWas) {
  HWND w = Keep(MakeWindow(L"OwnProbe", ProgramInstance(), 200, 150));
  const TFrameWidths frame = WornFrame(w);
  const SIZE client = ClientSize(w);
  ASSERT_TRUE(SkinManager->SkinWindow(w));
  ASSERT_EQ(FindFormSkinner(w)->State, skAttached);
  // The switch-off runs before the window's WM_SKIN_START arrives.
  SkinManager->PendingSkinData = Data;
  SkinManager->PendingAction = saUnskin;
  SkinManager->RunPendingAction();
  EXPECT_EQ(FindFormSkinner(w), nullptr);
  EXPECT_EQ(WornFrame(w), frame);
  EXPECT_EQ(ClientSize(w), client);
  Application->ProcessMessages();
  EXPECT_EQ(WornFrame(w), frame);
  EXPECT_EQ(ClientSize(w), client);
}

TEST_F(SkinManageAdmitTest, AfterARefusedSkinFileSkinningStillSwitchesOffAndOn) {
  HWND main = Form->Handle();
  std::vector<std::string> shown;
  const TSkinMessageProc messageBox = SkinMessageBox();
  SkinMessageBox() = [&shown](const std::string& text) { shown.push_back(text); };
  Data->SetSkinFile(skinload::WriteTempFile(L"voicecalc-refused.skn", skinload::UnknownVersionPackage()));
  SkinMessageBox() = messageBox;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_FALSE(Data->NoSkinLoaded);  // the stored skin is still loaded

  Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([main] { return SendMessageA(main, WM_SKIN_QUERY, 0, 0) != 1; }));
  Data->SetActive(true);
  EXPECT_TRUE(PumpUntil([main] { return SendMessageA(main, WM_SKIN_QUERY, 0, 0) == 1; }))
      << "switching on again was ignored";
  TWinSkinForm* skinner = FindFormSkinner(main);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->SkinData, Data);
  EXPECT_TRUE(PumpUntil([skinner] { return skinner->State == skActive; }));
}

TEST_F(SkinManageAdmitTest, ShutDownDetachesEverySkinnerAndRemovesTheHook) {
  HWND main = Form->Handle();
  HWND own = Keep(MakeWindow(L"OwnProbe", ProgramInstance(), 80, 60));
  ASSERT_TRUE(SkinManager->SkinWindow(own));
  SkinManager.reset();
  EXPECT_NE(SendMessageA(main, WM_SKIN_QUERY, 0, 0), 1);
  EXPECT_NE(SendMessageA(own, WM_SKIN_QUERY, 0, 0), 1);
  PressAll(L"4 2");
  EXPECT_EQ(Display(), L"42");
}

namespace {
// What a timer saw of the program's message box before it closed it.
struct TBoxSeen {
  bool Skinned = false;
  bool Active = false;  // the skinner ran its activation
  RECT Client{};
};
TBoxSeen BoxSeen;

void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Box");
  if (!box) return;
  TWinSkinForm* skinner = FindFormSkinner(box);
  if (!skinner || !skinner->Activated) return;
  BoxSeen.Skinned = SendMessageA(box, WM_SKIN_QUERY, 0, 0) == 1;
  BoxSeen.Active = skinner->State == skActive && skinner->IsDialog && skinner->BorderKind == bkDialog;
  GetClientRect(box, &BoxSeen.Client);
  KillTimer(nullptr, id);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST_F(SkinManageAdmitTest, TheProgramsMessageBoxIsSkinned) {
  BoxSeen = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, InspectMessageBox);
  const int answer = MessageBoxW(Form->Handle(), L"Text", L"Box", MB_OK);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, IDOK);
  EXPECT_TRUE(BoxSeen.Skinned);
  EXPECT_TRUE(BoxSeen.Active);
  EXPECT_GT(BoxSeen.Client.right, 0);
}
