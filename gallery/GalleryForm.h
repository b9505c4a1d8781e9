// The gallery's one window: a page per kind of control the engine skins,
// each showing the states a user meets, and a foreign dialog on request.
#pragma once
#include "host/ComCtrls.h"
#include "host/Forms.h"
#include "host/ImgList.h"
#include "host/MPlayer.h"
#include "host/ToolWin.h"

class TSkinData;

// The program's command line.
struct TGalleryOptions {
  std::wstring SkinFile;  // --skin FILE: this skin instead of the stored one
  int Page = 0;           // --page N: the page shown first, from 0
  bool Native = false;    // --native: skinning off
  bool Dialog = false;    // --dialog: the foreign dialog opened at start
  bool MDI = false;       // --mdi: the foreign MDI window opened, a document maximized
  bool MoreDialog = false;  // --more-dialog: the second foreign dialog opened at start
};
// Reads the options; unknown words and bad numbers are reported in error.
bool ParseGalleryOptions(const std::vector<std::wstring>& args, TGalleryOptions& options, std::wstring& error);
// A file of the calculator's "Sound" folder: below the working directory, or
// beside the program or one of the folders above it (a build tree inside
// the sources); empty when none has it.
std::wstring FindSoundFile(const std::wstring& name);

class TGalleryForm : public TForm {
public:
  DECLARE_CLASS_INFO
  explicit TGalleryForm(TComponent* AOwner);
  ~TGalleryForm() override;

  TPageControl* Pages = nullptr;
  TSkinData* SkinData1 = nullptr;

  void Loaded() override;
  TMethod FindMethod(const std::string& name) override;
  void Apply(const TGalleryOptions& options);

  // A "#32770" dialog from the program's resources with native controls.
  HWND OpenForeignDialog();
  // Its label the program colours itself (the control's number, the colour).
  static constexpr int kOwnColourLabel = 113;
  static constexpr COLORREF kOwnLabelColour = RGB(200, 40, 40);
  HWND ForeignDialog() const { return FDialog; }

  void ForeignDialogClick(TObject* Sender);
  // The system's own open-file and colour dialogs, as a program opens them.
  void OpenFileClick(TObject* Sender);
  void ColourClick(TObject* Sender);

  // The media page's player, opened on one of the calculator's voice files
  // when they are found.
  TMediaPlayer* SoundPlayer = nullptr;

  // The second tool bar's own background, which stays when skinned.
  void OwnToolBarCustomDraw(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw);
  static constexpr COLORREF kOwnToolBarColour = RGB(250, 232, 190);

  // The main menu, with every kind of item; the tag of the item last chosen.
  TMainMenu* MainMenu = nullptr;
  // Opened by a right click on the window.
  TPopupMenu* ContextMenu = nullptr;
  int LastMenuChoice = 0;
  // The menu of the tool bar's drop-down button; the bar owns it.
  TPopupMenu* PasteMenu = nullptr;
  // Shown by a tool bar and by a menu strip instead of a menu bar.
  TMainMenu* BarMenu = nullptr;
  // The pictures of both menus' items and of the tool buttons (TMenuImage order).
  TImageList MenuImages;

protected:
  void WndProc(TMessage& m) override;

private:
  void MakeMenuImages();
  void MakeMainMenu();
  void MakeBarMenu();
  void MakeContextMenu();
  void SetUpToolBars();
  // Every item below parent tells LastMenuChoice when chosen.
  void ListenToItems(TMenuItem& parent);
  HWND FDialog = nullptr;
};

extern TGalleryForm* GalleryForm;
