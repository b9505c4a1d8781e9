// Header controls and report-view list views over the system's
// "SysHeader32" and "SysListView32"; sections, columns and rows are kept
// with the control and given to its window once it exists.
#pragma once
#include "host/Classes.h"
#include "host/Controls.h"
#include <commctrl.h>
#include <memory>
#include <vector>

enum TSortArrow { hsNone, hsUp, hsDown };

// A header section or a list-view column.
class THeaderSection : public TPersistent {
public:
  DECLARE_CLASS_INFO
  std::wstring GetText() const { return FText; }
  void SetText(const std::wstring& v) { FText = v; }
  int GetWidth() const { return FWidth; }
  void SetWidth(int v) { FWidth = v; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v; }
  TSortArrow GetSortArrow() const { return FSortArrow; }
  void SetSortArrow(TSortArrow v) { FSortArrow = v; }

private:
  std::wstring FText;
  int FWidth = 80;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
  TSortArrow FSortArrow = hsNone;
};

class THeaderSections : public TCollection {
public:
  DECLARE_CLASS_INFO
  explicit THeaderSections(std::function<void()> changed) : FChanged(std::move(changed)) {}
  TPersistent* AddItem() override;
  void ClearItems() override { FItems.clear(); }
  void ItemsChanged() override { FChanged(); }
  THeaderSection& Add();
  int Count() const { return int(FItems.size()); }
  THeaderSection& operator[](int i) { return *FItems.at(size_t(i)); }

private:
  std::function<void()> FChanged;
  std::vector<std::unique_ptr<THeaderSection>> FItems;
};

class THeaderControl : public TWinControl {
public:
  DECLARE_CLASS_INFO
  explicit THeaderControl(TComponent* AOwner);
  // Sections changed once the window exists reach it with UpdateSections.
  THeaderSections* Sections() const { return const_cast<THeaderSections*>(&FSections); }
  // Icons for the sections' ImageIndex; not owned.
  void SetImages(HIMAGELIST Images);
  // Gives the window the sections as they stand.
  void UpdateSections();

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override { UpdateSections(); }

private:
  THeaderSections FSections{[this] { UpdateSections(); }};
  HIMAGELIST FImages = nullptr;
};

class TCustomListView : public TWinControl {
public:
  DECLARE_CLASS_INFO
  using TWinControl::TWinControl;
};

// A list view in report view: columns over rows of a caption and sub-items.
class TListView : public TCustomListView {
public:
  DECLARE_CLASS_INFO
  explicit TListView(TComponent* AOwner);
  // Columns changed once the window exists reach it with UpdateColumns.
  THeaderSections* Columns() const { return const_cast<THeaderSections*>(&FColumns); }
  void UpdateColumns();
  void AddRow(const std::vector<std::wstring>& Cells);
  int RowCount() const { return int(FRows.size()); }
  HWND HeaderHandle();

protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;

private:
  void InsertRow(int Index);
  THeaderSections FColumns{[this] { UpdateColumns(); }};
  std::vector<std::vector<std::wstring>> FRows;
};
