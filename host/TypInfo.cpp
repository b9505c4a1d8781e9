#include "host/TypInfo.h"
#include "host/Classes.h"
#include <cstring>
#include <map>

bool TValue::AsBool() const {
  if (Kind == vkIdent) return _wcsicmp(Str.c_str(), L"True") == 0;
  return Int != 0;
}

std::vector<std::wstring> SetMemberNames(unsigned bits, const std::vector<std::wstring>& names) {
  std::vector<std::wstring> members;
  for (size_t i = 0; i < names.size(); ++i)
    if ((bits >> i) & 1) members.push_back(names[i]);
  return members;
}

unsigned SetFromNames(const std::vector<std::wstring>& items, const std::vector<std::wstring>& names) {
  unsigned bits = 0;
  for (const std::wstring& item : items)
    for (size_t i = 0; i < names.size(); ++i)
      if (_wcsicmp(names[i].c_str(), item.c_str()) == 0) bits |= 1u << i;
  return bits;
}

const TPropInfo* TClassInfo::FindProp(const std::string& name) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TPropInfo& p : c->Props)
      if (_stricmp(p.Name.c_str(), name.c_str()) == 0) return &p;
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &other) return true;
  return false;
}

namespace {
struct TNoCase {
  bool operator()(const std::string& a, const std::string& b) const { return _stricmp(a.c_str(), b.c_str()) < 0; }
};
std::map<std::string, const TClassInfo*, TNoCase>& Registry() {
  static std::map<std::string, const TClassInfo*, TNoCase> classes;
  return classes;
}

// Resolves "A.B.C" to the object that owns property "C".
const TPropInfo* Resolve(TPersistent*& obj, const std::string& path) {
  std::string rest = path;
  for (size_t dot; obj && (dot = rest.find('.')) != std::string::npos;) {
    const TPropInfo* p = obj->ClassType().FindProp(rest.substr(0, dot));
    if (!p || !p->Get) return nullptr;
    TValue v = p->Get(*obj);
    if (v.Kind != TValue::vkObject) return nullptr;
    obj = v.Object;
    rest = rest.substr(dot + 1);
  }
  return obj ? obj->ClassType().FindProp(rest) : nullptr;
}
}  // namespace

void RegisterComponentClass(const TClassInfo& info) { Registry()[info.ClassName] = &info; }

const TClassInfo* FindClass(const std::string& name) {
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

bool IsPublishedProp(TPersistent* obj, const std::string& name) { return Resolve(obj, name) != nullptr; }

bool SetPropValue(TPersistent* obj, const std::string& name, const TValue& value) {
  const TPropInfo* p = Resolve(obj, name);
  if (!p || !p->Set) return false;
  p->Set(*obj, value);
  return true;
}

bool GetPropValue(TPersistent* obj, const std::string& name, TValue& value) {
  const TPropInfo* p = Resolve(obj, name);
  if (!p || !p->Get) return false;
  value = p->Get(*obj);
  return true;
}
