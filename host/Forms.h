// Forms and the application object.
#pragma once
#include "host/Controls.h"
#include "host/Menus.h"
#include "host/WideText.h"
#include <stdexcept>
#include <string>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
enum TPosition { poDesigned, poDefault, poScreenCenter };

class TCustomForm : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
};

// A container larger inside than outside: the system's scroll bars show
// while its controls reach past the client area, and scrolling moves them.
class TScrollBox : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit TScrollBox(TComponent* AOwner);
  // bsNone or bsSingle (a sunken edge); takes effect when the window is made.
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle v) { FBorderStyle = v == bsNone ? bsNone : bsSingle; }
  // Pixels an arrow of either bar moves.
  int GetLineSize() const { return FLineSize; }
  void SetLineSize(int v) { FLineSize = v > 0 ? v : 1; }
  // Fits both bars to where the controls reach, e.g. after moving one.
  void UpdateScrollRange();
  void AlignControls() override;

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

private:
  // Scrolls bar (SB_HORZ or SB_VERT) to the position, moving the controls.
  void ScrollTo(int bar, int position);
  int RequestedPosition(int bar, WORD code) const;
  TFormBorderStyle FBorderStyle = bsSingle;
  int FLineSize = 8;
  int FPosition[2] = {0, 0};
  bool FUpdatingRange = false;
};

class TForm : public TCustomForm {
public:
  DECLARE_CLASS_INFO
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  int GetClientWidth() const { return FClientWidth; }
  void SetClientWidth(int v);
  int GetClientHeight() const { return FClientHeight; }
  void SetClientHeight(int v);
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle v) { FBorderStyle = v; }
  bool HasBorderIcon(TBorderIcon i) const { return (FBorderIcons >> i) & 1; }
  void SetBorderIcons(unsigned icons) { FBorderIcons = icons; }
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition p) { FPosition = p; }
  RECT ClientRect() const override;
  // The menu bar; the form keeps no ownership (usually the menu is the form's
  // component). Set before the window is made, or while it exists.
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  // Reads the form's stored description (the resource named after its
  // class, or the one named), makes the window and its controls, then runs
  // OnCreate.
  void ReadState(const std::wstring& resource = L"");
  void Show();
  void Close();

  // Event handlers by the names the stored description binds them with;
  // an empty method when the form has none of that name.
  virtual TMethod FindMethod(const std::string& name);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  // A component of the form by name and class, for binding fields.
  template <class T>
  T* Field(const wchar_t* name) {
    T* c = dynamic_cast<T*>(FindComponent(name));
    if (!c) throw std::runtime_error("form component missing: " + WideToUtf8(name));
    return c;
  }

  void HandleCreated() override;

private:
  void ResizeToClient();
  void ShowMenu();
  int FClientWidth = 0, FClientHeight = 0;
  TFormBorderStyle FBorderStyle = bsSizeable;
  unsigned FBorderIcons = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
  TPosition FPosition = poDesigned;
  TMainMenu* FMenu = nullptr;
};

// Binds a handler name to a member function of a form class, of whatever
// event signature: the handler is made with exactly the member's parameters.
template <class F>
struct TMethodEntry {
  template <class R, class... Args>
  TMethodEntry(const char* name, R (F::*method)(Args...))
      : Name(name), Bind([method](F* self) {
          return TMethod(std::function<R(Args...)>(
              [self, method](Args... args) { return (self->*method)(std::forward<Args>(args)...); }));
        }) {}

  const char* Name;
  std::function<TMethod(F* self)> Bind;
};
template <class F, size_t N>
TMethod FindMethodIn(F* self, const TMethodEntry<F> (&table)[N], const std::string& name) {
  for (const auto& e : table)
    if (_stricmp(e.Name, name.c_str()) == 0) return e.Bind(self);
  return {};
}

class TApplication : public TComponent {
public:
  DECLARE_CLASS_INFO
  TApplication();
  ~TApplication() override;

  void Initialize();
  std::wstring GetTitle() const { return FTitle; }
  void SetTitle(const std::wstring& title);
  HWND Handle() const { return FHandle; }

  // Creates a form of class F owned by the application; the first one made
  // is the main form.
  template <class F>
  void CreateForm(F*& reference) {
    reference = new F(this);
    if (!FMainForm) FMainForm = reference;
    reference->ReadState();
  }
  TForm* MainForm() const { return FMainForm; }
  // Milliseconds before a hint shows, and how long it stays.
  int GetHintPause() const { return FHintPause; }
  void SetHintPause(int ms) { FHintPause = ms < 0 ? 0 : ms; }
  int GetHintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int ms) { FHintHidePause = ms < 0 ? 0 : ms; }
  // For a program that makes its forms itself; a destroyed main form
  // leaves the application without one.
  void SetMainForm(TForm* form) { FMainForm = form; }

  void Run();
  void ProcessMessages();
  bool HandleMessage();  // false once WM_QUIT has been seen
  void Terminate();
  bool Terminated() const { return FTerminated; }

private:
  bool ProcessMessage(MSG& msg);
  std::wstring FTitle;
  HWND FHandle = nullptr;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  int FHintPause = 500;
  int FHintHidePause = 2500;
};

// The one application object of the process (made by the program's main).
extern TApplication* Application;

// Every form of the process, whoever owns it, in order of creation.
class TScreen {
public:
  const std::vector<TForm*>& Forms() const { return FForms; }
  int FormCount() const { return int(FForms.size()); }

private:
  friend class TForm;
  std::vector<TForm*> FForms;
};
TScreen& Screen();
