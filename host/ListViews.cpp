#include "host/ListViews.h"
#include <commctrl.h>

namespace {
int HeaderFormat(const THeaderSection& s) {
  int format = HDF_STRING;
  format |= s.GetAlignment() == taRightJustify ? HDF_RIGHT : s.GetAlignment() == taCenter ? HDF_CENTER : HDF_LEFT;
  if (s.GetImageIndex() >= 0) format |= HDF_IMAGE;
  if (s.GetSortArrow() == hsUp) format |= HDF_SORTUP;
  if (s.GetSortArrow() == hsDown) format |= HDF_SORTDOWN;
  return format;
}

int ColumnFormat(const THeaderSection& s) {
  return s.GetAlignment() == taRightJustify ? LVCFMT_RIGHT : s.GetAlignment() == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
}
}  // namespace

DEFINE_CLASS_INFO(THeaderSection, TPersistent,
  {StrProp("Text", &THeaderSection::GetText, &THeaderSection::SetText),
   IntProp("Width", &THeaderSection::GetWidth, &THeaderSection::SetWidth),
   EnumProp("Alignment", &THeaderSection::GetAlignment, &THeaderSection::SetAlignment,
            {L"taLeftJustify", L"taRightJustify", L"taCenter"}),
   IntProp("ImageIndex", &THeaderSection::GetImageIndex, &THeaderSection::SetImageIndex),
   EnumProp("SortArrow", &THeaderSection::GetSortArrow, &THeaderSection::SetSortArrow,
            {L"hsNone", L"hsUp", L"hsDown"})})

DEFINE_CLASS_INFO(THeaderSections, TCollection, {})

TPersistent* THeaderSections::AddItem() { return &Add(); }

THeaderSection& THeaderSections::Add() {
  FItems.push_back(std::make_unique<THeaderSection>());
  return *FItems.back();
}

// ---- THeaderControl ----

DEFINE_COMPONENT_INFO(THeaderControl, TWinControl, {ObjProp("Sections", &THeaderControl::Sections)})

THeaderControl::THeaderControl(TComponent* AOwner) : TWinControl(AOwner) { FAlign = alTop; }

void THeaderControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = WC_HEADERW;
  p.Style |= HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG | HDS_HOTTRACK;
}

void THeaderControl::SetImages(HIMAGELIST Images) {
  FImages = Images;
  if (FHandle) SendMessageW(FHandle, HDM_SETIMAGELIST, 0, LPARAM(FImages));
}

void THeaderControl::UpdateSections() {
  if (!FHandle) return;
  while (SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(FHandle, HDM_DELETEITEM, 0, 0);
  SendMessageW(FHandle, HDM_SETIMAGELIST, 0, LPARAM(FImages));
  for (int i = 0; i < FSections.Count(); ++i) {
    THeaderSection& s = FSections[i];
    std::wstring text = s.GetText();
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text.data();
    item.cxy = s.GetWidth();
    item.fmt = HeaderFormat(s);
    item.iImage = s.GetImageIndex();
    SendMessageW(FHandle, HDM_INSERTITEMW, WPARAM(i), LPARAM(&item));
  }
}

// ---- TListView ----

DEFINE_CLASS_INFO(TCustomListView, TWinControl, {})

DEFINE_COMPONENT_INFO(TListView, TCustomListView, {ObjProp("Columns", &TListView::Columns)})

TListView::TListView(TComponent* AOwner) : TCustomListView(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = WC_LISTVIEWW;
  p.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  SendMessageW(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  UpdateColumns();
  for (int i = 0; i < RowCount(); ++i) InsertRow(i);
}

HWND TListView::HeaderHandle() { return HWND(SendMessageW(Handle(), LVM_GETHEADER, 0, 0)); }

void TListView::UpdateColumns() {
  if (!FHandle) return;
  while (SendMessageW(FHandle, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < FColumns.Count(); ++i) {
    THeaderSection& s = FColumns[i];
    std::wstring text = s.GetText();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = s.GetWidth();
    column.fmt = ColumnFormat(s);
    column.iSubItem = i;
    SendMessageW(FHandle, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&column));
    // The list's columns have no sort arrows of their own: its header does.
    if (s.GetSortArrow() == hsNone) continue;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    const HWND header = HWND(SendMessageW(FHandle, LVM_GETHEADER, 0, 0));
    SendMessageW(header, HDM_GETITEMW, WPARAM(i), LPARAM(&item));
    item.fmt |= s.GetSortArrow() == hsUp ? HDF_SORTUP : HDF_SORTDOWN;
    SendMessageW(header, HDM_SETITEMW, WPARAM(i), LPARAM(&item));
  }
}

void TListView::AddRow(const std::vector<std::wstring>& Cells) {
  FRows.push_back(Cells);
  if (FHandle) InsertRow(RowCount() - 1);
}

void TListView::InsertRow(int Index) {
  std::vector<std::wstring> cells = FRows.at(size_t(Index));
  for (size_t c = 0; c < cells.size(); ++c) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Index;
    item.iSubItem = int(c);
    item.pszText = cells[c].data();
    SendMessageW(FHandle, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : WPARAM(Index), LPARAM(&item));
  }
}
