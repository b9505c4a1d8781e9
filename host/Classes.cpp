#include "host/Classes.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <windows.h>

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info{"TObject", nullptr, {}};
  return info;
}
const TClassInfo& TObject::ClassType() const { return StaticClass(); }

DEFINE_CLASS_INFO(TPersistent, TObject, {})
DEFINE_CLASS_INFO(TCollection, TPersistent, {})
DEFINE_CLASS_INFO(TStringList, TPersistent,
  {TPropInfo{"Strings", {}, [](TPersistent& o, const TValue& v) { static_cast<TStringList&>(o).SetItems(v.Items); }}})

DEFINE_CLASS_INFO(TComponent, TPersistent,
  {StrProp("Name", &TComponent::GetName, &TComponent::SetName),
   IntProp("Tag", &TComponent::GetTag, &TComponent::SetTag)})

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->Insert(this);
}

TComponent::~TComponent() {
  // Owned components go first, newest first, each taking itself off our list.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) FOwner->Remove(this);
}

void TComponent::Remove(TComponent* c) {
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), c), FComponents.end());
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  for (TComponent* c : FComponents)
    if (_wcsicmp(c->FName.c_str(), name.c_str()) == 0) return c;
  return nullptr;
}

bool TComponent::ReadBinaryProperty(const std::string&, const std::vector<uint8_t>&) { return false; }

int TStringList::IndexOf(const std::wstring& s) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (_wcsicmp(FItems[i].c_str(), s.c_str()) == 0) return int(i);
  return -1;
}

std::wstring TStringList::Text() const {
  std::wstring out;
  for (const std::wstring& s : FItems) out += s + L"\r\n";
  return out;
}

void TStringList::SetText(const std::wstring& text) {
  FItems.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    FItems.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ++end;
    start = end + 1;
  }
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  size_t n = std::min(count, FData.size() - FPosition);
  if (n) std::memcpy(buffer, FData.data() + FPosition, n);
  FPosition += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
  if (FPosition + count > FData.size()) FData.resize(FPosition + count);
  if (count) std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition += count;
}

bool TMemoryStream::LoadFromFile(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  std::vector<uint8_t> data;
  uint8_t chunk[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(f, chunk, sizeof chunk, &got, nullptr)) && got) data.insert(data.end(), chunk, chunk + got);
  CloseHandle(f);
  if (!ok) return false;
  FData = std::move(data);
  FPosition = 0;
  return true;
}
