#include "gallery/GalleryForm.h"
#include "gallery/GalleryStandIns.h"
#include "host/Bitmap.h"
#include "host/ListViews.h"
#include "host/StdCtrls.h"
#include "skin/data/WinSkinData.h"
#include <commctrl.h>
#include <commdlg.h>
#include <cwchar>
#include <windowsx.h>

TGalleryForm* GalleryForm = nullptr;

DEFINE_CLASS_INFO(TGalleryForm, TForm, {})

namespace {
// Control IDs of the foreign dialog (res/Gallery.rc.in).
constexpr int kDialogTabs = 101, kDialogStatus = 103, kDialogFirstRadio = 108, kDialogLastRadio = 109,
              kDialogCheck = 110, kDialogThreeStates = 111, kDialogComboList = 120, kDialogComboEdit = 121,
              kDialogLateGrip = 123, kDialogList = 130, kDialogScrollBar = 131;
constexpr int kDialogListLines = 30, kDialogScrollMax = 50, kDialogScrollPage = 10;
// The scrolling page's list: many lines, shown from the middle.
constexpr int kScrollListLines = 200;
constexpr int kMemoLines = 40;

// The menu pictures, drawn here from rectangles: 16 by 16, magenta where
// the menu shows through.
enum TMenuImage { miNew, miOpen, miSave, miToolbar, miCopy, miPaste, miGrid, miCount };
constexpr int kMenuImageSize = 16;
constexpr TColor kMenuImageKey = TColor(RGB(255, 0, 255));

struct TMenuPainter {
  TCanvas& Canvas;
  int Left;  // of the image being drawn in the strip
  void Fill(int left, int top, int right, int bottom, TColor colour) {
    Canvas.BrushColor = colour;
    Canvas.FillRect({Left + left, top, Left + right, bottom});
  }
  // A filled box with a one-pixel outline.
  void Box(int left, int top, int right, int bottom, TColor fill, TColor outline) {
    Fill(left, top, right, bottom, outline);
    Fill(left + 1, top + 1, right - 1, bottom - 1, fill);
  }
};

void DrawMenuImage(TMenuPainter& p, TMenuImage image) {
  const TColor ink = TColor(RGB(40, 40, 40)), paper = clWhite, grey = TColor(RGB(150, 150, 150));
  switch (image) {
    case miNew:
      p.Box(3, 1, 13, 15, paper, ink);
      for (int y = 5; y < 13; y += 2) p.Fill(5, y, 11, y + 1, grey);
      break;
    case miOpen:
      p.Box(1, 3, 7, 6, TColor(RGB(230, 180, 40)), ink);
      p.Box(1, 5, 15, 14, TColor(RGB(250, 210, 70)), ink);
      break;
    case miSave:
      p.Box(1, 1, 15, 15, TColor(RGB(40, 80, 200)), ink);
      p.Fill(4, 2, 12, 7, paper);
      p.Fill(5, 10, 11, 15, grey);
      break;
    case miToolbar:
      p.Box(1, 4, 15, 12, TColor(RGB(210, 210, 210)), ink);
      p.Fill(3, 6, 5, 10, TColor(RGB(220, 40, 40)));
      p.Fill(7, 6, 9, 10, TColor(RGB(40, 170, 60)));
      p.Fill(11, 6, 13, 10, TColor(RGB(40, 80, 200)));
      break;
    case miCopy:
      p.Box(1, 1, 10, 11, paper, ink);
      p.Box(6, 5, 15, 15, paper, TColor(RGB(40, 80, 200)));
      break;
    case miPaste:
      p.Box(2, 2, 14, 15, TColor(RGB(170, 120, 60)), ink);
      p.Box(5, 1, 11, 4, grey, ink);
      p.Fill(4, 5, 12, 13, paper);
      break;
    case miGrid:
      p.Fill(1, 1, 15, 15, TColor(RGB(40, 150, 80)));
      for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
          p.Fill(2 + 4 * column, 2 + 4 * row, 5 + 4 * column, 5 + 4 * row, paper);
      break;
    case miCount: break;
  }
}

void FillForeignDialog(HWND wnd) {
  const wchar_t* tabs[] = {L"General", L"Details", L"More"};
  for (int i = 0; i < 3; ++i) {
    TCITEMW item{TCIF_TEXT};
    item.pszText = const_cast<wchar_t*>(tabs[i]);
    SendDlgItemMessageW(wnd, kDialogTabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
  }
  SendDlgItemMessageW(wnd, kDialogStatus, SB_SETTEXTW, 0, LPARAM(L"A status bar of the system"));
  CheckRadioButton(wnd, kDialogFirstRadio, kDialogLastRadio, kDialogFirstRadio);
  CheckDlgButton(wnd, kDialogCheck, BST_CHECKED);
  CheckDlgButton(wnd, kDialogThreeStates, BST_INDETERMINATE);
  for (int id : {kDialogComboList, kDialogComboEdit}) {
    for (const wchar_t* row : {L"Red", L"Green", L"Blue"}) SendDlgItemMessageW(wnd, id, CB_ADDSTRING, 0, LPARAM(row));
    SendDlgItemMessageW(wnd, id, CB_SETCURSEL, 0, 0);
  }
  for (int i = 1; i <= kDialogListLines; ++i)
    SendDlgItemMessageW(wnd, kDialogList, LB_ADDSTRING, 0, LPARAM((L"Native line " + std::to_wstring(i)).c_str()));
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS};
  info.nMax = kDialogScrollMax;
  info.nPage = kDialogScrollPage;
  info.nPos = kDialogScrollMax / 2;
  SetScrollInfo(GetDlgItem(wnd, kDialogScrollBar), SB_CTL, &info, TRUE);
}

// Enough rows to scroll: a list the way a file window shows one.
void FillFilesList(TListView& list) {
  for (int i = 1; i <= 40; ++i)
    list.AddRow({L"File " + std::to_wstring(i) + L".wav", std::to_wstring(i * 3) + L" KB", L"Wave sound"});
}

// A native scroll bar moves only when its owner moves it.
void ScrollForeignBar(HWND bar, WORD code) {
  SCROLLINFO info{sizeof info, SIF_ALL};
  GetScrollInfo(bar, SB_CTL, &info);
  int pos = info.nPos;
  switch (code) {
    case SB_LINELEFT: pos -= 1; break;
    case SB_LINERIGHT: pos += 1; break;
    case SB_PAGELEFT: pos -= int(info.nPage); break;
    case SB_PAGERIGHT: pos += int(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
  }
  SetScrollPos(bar, SB_CTL, pos, TRUE);
}

INT_PTR CALLBACK ForeignDialogProc(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_INITDIALOG) {
    FillForeignDialog(wnd);
    return TRUE;
  }
  if (msg == WM_CTLCOLORSTATIC && HWND(lparam) == GetDlgItem(wnd, TGalleryForm::kOwnColourLabel)) {
    SetTextColor(HDC(wparam), TGalleryForm::kOwnLabelColour);
    SetBkMode(HDC(wparam), TRANSPARENT);
    return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
  }
  if (msg == WM_HSCROLL && HWND(lparam) == GetDlgItem(wnd, kDialogScrollBar)) {
    ScrollForeignBar(HWND(lparam), LOWORD(wparam));
    return TRUE;
  }
  if (msg == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    DestroyWindow(wnd);
    return TRUE;
  }
  return FALSE;
}

// The application's own drawing inside an owner-drawn panel: a swatch and a
// word. (The skinned bar asks for every panel.)
void DrawOwnPanel(TStatusBar* bar, TStatusPanel* panel, const RECT& r) {
  if (panel->GetStyle() != psOwnerDraw) return;
  TCanvas& canvas = bar->Canvas();
  canvas.BrushColor = TColor(RGB(220, 120, 40));
  canvas.FillRect({r.left, r.top, r.left + (r.bottom - r.top), r.bottom});
  canvas.TextRect({r.left + (r.bottom - r.top) + 4, r.top, r.right, r.bottom}, L"drawn by the program",
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}
}  // namespace

bool ParseGalleryOptions(const std::vector<std::wstring>& args, TGalleryOptions& options, std::wstring& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == L"--native") {
      options.Native = true;
    } else if (a == L"--dialog") {
      options.Dialog = true;
    } else if (a == L"--mdi") {
      options.MDI = true;
    } else if (a == L"--more-dialog") {
      options.MoreDialog = true;
    } else if (a == L"--skin" && hasValue) {
      options.SkinFile = args[++i];
    } else if (a == L"--page" && hasValue) {
      wchar_t* end = nullptr;
      const long page = std::wcstol(args[++i].c_str(), &end, 10);
      if (args[i].empty() || *end || page < 0 || page > 99) {
        error = L"--page takes a page number from 0: " + args[i];
        return false;
      }
      options.Page = int(page);
    } else {
      error = L"unknown or incomplete option: " + a + L"\nusage: SkinGallery [--skin FILE] [--page N] [--native] [--dialog] [--more-dialog] [--mdi]";
      return false;
    }
  }
  return true;
}

std::wstring FindSoundFile(const std::wstring& name) {
  const std::wstring relative = L"Sound\\" + name;
  if (GetFileAttributesW(relative.c_str()) != INVALID_FILE_ATTRIBUTES) return relative;
  wchar_t path[MAX_PATH] = {};
  if (!GetModuleFileNameW(nullptr, path, MAX_PATH)) return std::wstring();
  std::wstring folder = path;
  // The program's own folder and up to four above it.
  for (int up = 0; up < 5; ++up) {
    const size_t slash = folder.find_last_of(L"\\/");
    if (slash == std::wstring::npos) break;
    folder.resize(slash);
    const std::wstring candidate = folder + L"\\" + relative;
    if (GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) return candidate;
  }
  return std::wstring();
}

// The description names the stand-ins: make them known before it is read.
TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) { RegisterStandInClasses(); }

TGalleryForm::~TGalleryForm() {
  if (FDialog && IsWindow(FDialog)) DestroyWindow(FDialog);
}

TMethod TGalleryForm::FindMethod(const std::string& name) {
  static const TMethodEntry<TGalleryForm> methods[] = {
      {"ForeignDialogClick", &TGalleryForm::ForeignDialogClick},
      {"OpenFileClick", &TGalleryForm::OpenFileClick},
      {"ColourClick", &TGalleryForm::ColourClick},
      {"OwnToolBarCustomDraw", &TGalleryForm::OwnToolBarCustomDraw},
  };
  return FindMethodIn(this, methods, name);
}

void TGalleryForm::Loaded() {
  TForm::Loaded();
  Pages = Field<TPageControl>(L"Pages");
  SkinData1 = Field<TSkinData>(L"SkinData1");
  Field<TStatusBar>(L"OwnerDrawStatusBar")->OnDrawPanel = DrawOwnPanel;
  FillFilesList(*Field<TListView>(L"FilesList"));
  auto* list = Field<TListBox>(L"ScrollList");
  for (int i = 1; i <= kScrollListLines; ++i) list->GetItems()->Add(L"Line " + std::to_wstring(i));
  list->SetTopIndex(kScrollListLines / 2);
  list->ItemsChanged();
  std::vector<std::wstring> lines;
  for (int i = 1; i <= kMemoLines; ++i)
    lines.push_back(L"Memo line " + std::to_wstring(i) + L": a line long enough to need the horizontal bar too");
  Field<TMemo>(L"ScrollMemo")->SetLines(lines);
  MakeMenuImages();
  MakeMainMenu();
  MakeContextMenu();
  SoundPlayer = Field<TMediaPlayer>(L"SoundPlayer");
  SoundPlayer->SetFileName(FindSoundFile(L"E.wav"));
  SoundPlayer->Open();
  SetUpToolBars();
  // The stand-in's picture, as its set would load it.
  TBitmap* picture = Field<TPngBitBtn>(L"PngButton")->GetPngImage();
  picture->SetSize(kMenuImageSize, kMenuImageSize);
  picture->Canvas().BrushColor = kMenuImageKey;  // its bottom-left colour is left out
  picture->Canvas().FillRect({0, 0, kMenuImageSize, kMenuImageSize});
  MenuImages.Draw(picture->Canvas().Handle(), 0, 0, miSave);
}

void TGalleryForm::MakeMenuImages() {
  TBitmap strip(miCount * kMenuImageSize, kMenuImageSize);
  strip.Canvas().BrushColor = kMenuImageKey;
  strip.Canvas().FillRect({0, 0, strip.Width(), strip.Height()});
  for (int i = 0; i < miCount; ++i) {
    TMenuPainter painter{strip.Canvas(), i * kMenuImageSize};
    DrawMenuImage(painter, TMenuImage(i));
  }
  MenuImages.AddMasked(strip, kMenuImageSize, kMenuImageKey);
}

// Every kind of item a menu has: commands with shortcuts, a line, a
// sub-menu, disabled, checked, radio and default items, and items with
// pictures (one disabled, one checked).
void TGalleryForm::MakeMainMenu() {
  MainMenu = new TMainMenu(this);
  MainMenu->Images = &MenuImages;
  TMenuItem& bar = MainMenu->Items;
  TMenuItem* file = bar.Add(L"&File", 100);
  TMenuItem* item = file->Add(L"&New", 101);
  item->ShortCutText = L"Ctrl+N";
  item->ImageIndex = miNew;
  item = file->Add(L"&Open...", 102);
  item->ShortCutText = L"Ctrl+O";
  item->ImageIndex = miOpen;
  file->Add(L"-", 103);
  TMenuItem* recent = file->Add(L"&Recent", 104);
  recent->Add(L"calc.skn", 1041);
  recent->Add(L"dark.skn", 1042);
  item = file->Add(L"&Save", 105);
  item->Enabled = false;
  item->ImageIndex = miSave;
  file->Add(L"-", 106);
  file->Add(L"E&xit", 107);
  TMenuItem* view = bar.Add(L"&View", 200);
  item = view->Add(L"&Toolbar", 201);
  item->Checked = true;
  item->ImageIndex = miToolbar;
  view->Add(L"&Status bar", 202)->Checked = true;
  view->Add(L"-", 203);
  TMenuItem* small = view->Add(L"S&mall icons", 204);
  small->RadioItem = small->Checked = true;
  view->Add(L"&Large icons", 205)->RadioItem = true;
  view->Add(L"-", 206);
  TMenuItem* refresh = view->Add(L"&Refresh", 207);
  refresh->Default = true;
  refresh->ShortCutText = L"F5";
  TMenuItem* help = bar.Add(L"&Help", 300);
  help->Add(L"&About the gallery", 301);
  bar.Add(L"&Disabled", 400)->Enabled = false;
  ListenToItems(bar);
  SetMenu(MainMenu);
}

void TGalleryForm::ListenToItems(TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* child = parent.Items(i);
    if (child->Count() == 0)
      child->OnClick = [this](TObject* sender) { LastMenuChoice = static_cast<TMenuItem*>(sender)->GetTag(); };
    ListenToItems(*child);
  }
}

void TGalleryForm::MakeContextMenu() {
  ContextMenu = new TPopupMenu(this);
  ContextMenu->Images = &MenuImages;
  TMenuItem& items = ContextMenu->Items;
  items.Add(L"Cu&t", 501)->ShortCutText = L"Ctrl+X";
  TMenuItem* copy = items.Add(L"&Copy", 502);
  copy->ShortCutText = L"Ctrl+C";
  copy->ImageIndex = miCopy;
  TMenuItem* paste = items.Add(L"&Paste", 503);
  paste->Enabled = false;
  paste->ImageIndex = miPaste;
  items.Add(L"-", 504);
  TMenuItem* grid = items.Add(L"Show &grid", 505);
  grid->Checked = true;
  grid->ImageIndex = miGrid;
  TMenuItem* large = items.Add(L"&Large", 506);
  large->RadioItem = large->Checked = true;
  items.Add(L"&Small", 507)->RadioItem = true;
  ListenToItems(items);
}

void TGalleryForm::SetUpToolBars() {
  for (const wchar_t* name : {L"FlatToolBar", L"OwnDrawnToolBar", L"BandToolBar"})
    Field<TToolBar>(name)->SetImages(&MenuImages);
  auto* bar = Field<TToolBar>(L"FlatToolBar");
  PasteMenu = new TPopupMenu(bar);
  PasteMenu->Images = &MenuImages;
  PasteMenu->Items.Add(L"&Paste", 601)->ImageIndex = miPaste;
  PasteMenu->Items.Add(L"Paste &special...", 602);
  PasteMenu->Items.Add(L"Paste as &text", 603);
  ListenToItems(PasteMenu->Items);
  Field<TToolButton>(L"PasteToolButton")->DropdownMenu = PasteMenu;
  MakeBarMenu();
  Field<TToolBar>(L"MenuToolBar")->SetMenu(BarMenu);
  Field<TMenuBarStrip>(L"MenuStrip")->SetMenu(BarMenu);
}

// A menu tree with a sub-menu, a line, a checked and a disabled item, and a
// top item without sub-items (a click runs it).
void TGalleryForm::MakeBarMenu() {
  BarMenu = new TMainMenu(this);
  BarMenu->Images = &MenuImages;
  TMenuItem& top = BarMenu->Items;
  TMenuItem* edit = top.Add(L"&Edit", 700);
  edit->Add(L"&Copy", 701)->ImageIndex = miCopy;
  edit->Add(L"&Paste", 702)->ImageIndex = miPaste;
  edit->Add(L"-", 703);
  TMenuItem* find = edit->Add(L"&Find", 704);
  find->Add(L"&Next", 7041);
  find->Add(L"&Previous", 7042);
  TMenuItem* tools = top.Add(L"&Tools", 710);
  tools->Add(L"&Grid", 711)->Checked = true;
  tools->Add(L"&Options...", 712)->Enabled = false;
  top.Add(L"&Go", 720);
  ListenToItems(top);
}

void TGalleryForm::OwnToolBarCustomDraw(TToolBar* Sender, const RECT& ARect, bool&) {
  TCanvas& canvas = Sender->Canvas();
  canvas.BrushColor = TColor(kOwnToolBarColour);
  canvas.FillRect(ARect);
}

void TGalleryForm::WndProc(TMessage& m) {
  if (m.Msg == WM_CONTEXTMENU && ContextMenu) {
    POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);  // from the keyboard
    ContextMenu->Window = Handle();
    ContextMenu->Popup(at.x, at.y);
    return;
  }
  TForm::WndProc(m);
}

void TGalleryForm::Apply(const TGalleryOptions& options) {
  // Before the window is first shown: the first activation then skins it or not.
  if (options.Native) SkinData1->SetActive(false);
  if (!options.SkinFile.empty()) SkinData1->SetSkinFile(options.SkinFile);
  const auto& pages = Pages->Pages();
  if (!pages.empty()) Pages->SetActivePage(pages[std::min(size_t(options.Page), pages.size() - 1)]);
}

HWND TGalleryForm::OpenForeignDialog() {
  if (FDialog && IsWindow(FDialog)) return FDialog;
  FDialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"FOREIGNDIALOG", Handle(), ForeignDialogProc, 0);
  if (!FDialog) return nullptr;
  ShowWindow(FDialog, SW_SHOW);
  // A control made after the dialog is up, as programs add them.
  RECT grip{222, 118, 232, 128};
  MapDialogRect(FDialog, &grip);
  CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, grip.left, grip.top,
                  grip.right - grip.left, grip.bottom - grip.top, FDialog, HMENU(INT_PTR(kDialogLateGrip)),
                  GetModuleHandleW(nullptr), nullptr);
  return FDialog;
}

void TGalleryForm::ForeignDialogClick(TObject*) { OpenForeignDialog(); }

void TGalleryForm::OpenFileClick(TObject*) {
  wchar_t file[MAX_PATH] = L"";
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Handle();
  ofn.lpstrFilter = L"Skins (*.skn)\0*.skn\0All files\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  GetOpenFileNameW(&ofn);
}

void TGalleryForm::ColourClick(TObject*) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = Handle();
  cc.rgbResult = RGB(200, 40, 40);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  ChooseColorW(&cc);
}
