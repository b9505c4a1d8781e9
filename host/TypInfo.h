// Published properties reachable by name, through a table per class.
// Code that sets "Transparent" or reads "NumButtons" works for every class
// that publishes the property and does nothing for one that does not.
#pragma once
#include <functional>
#include <string>
#include <vector>

class TObject;
class TPersistent;
class TComponent;

using TNotifyEvent = std::function<void(TObject* Sender)>;

struct TValue {
  enum TKind { vkNone, vkInteger, vkFloat, vkString, vkIdent, vkSet, vkList, vkObject, vkEvent };
  TKind Kind = vkNone;
  long long Int = 0;
  double Float = 0;
  std::wstring Str;                 // string or identifier
  std::vector<std::wstring> Items;  // set elements or list strings
  TPersistent* Object = nullptr;
  TNotifyEvent Event;

  static TValue Integer(long long v) { TValue r; r.Kind = vkInteger; r.Int = v; return r; }
  static TValue String(std::wstring s) { TValue r; r.Kind = vkString; r.Str = std::move(s); return r; }
  static TValue Ident(std::wstring s) { TValue r; r.Kind = vkIdent; r.Str = std::move(s); return r; }
  static TValue Bool(bool b) { return Ident(b ? L"True" : L"False"); }
  static TValue List(std::vector<std::wstring> items) { TValue r; r.Kind = vkList; r.Items = std::move(items); return r; }
  static TValue Obj(TPersistent* o) { TValue r; r.Kind = vkObject; r.Object = o; return r; }
  static TValue Set(std::vector<std::wstring> items) { TValue r; r.Kind = vkSet; r.Items = std::move(items); return r; }
  static TValue Method(TNotifyEvent e) { TValue r; r.Kind = vkEvent; r.Event = std::move(e); return r; }

  bool AsBool() const;  // True/False identifiers or a non-zero integer
};

struct TPropInfo {
  std::string Name;
  std::function<TValue(TPersistent&)> Get;               // empty: write-only
  std::function<void(TPersistent&, const TValue&)> Set;  // empty: read-only
  bool IsEvent = false;
};

struct TClassInfo {
  std::string ClassName;
  const TClassInfo* Parent = nullptr;
  std::vector<TPropInfo> Props;
  std::function<TComponent*(TComponent* owner)> Create;  // empty for classes not made by name

  const TPropInfo* FindProp(const std::string& name) const;  // case-insensitive, own class first
  bool InheritsFrom(const TClassInfo& other) const;
};

// The class registry used by the form reader.
void RegisterComponentClass(const TClassInfo& info);
const TClassInfo* FindClass(const std::string& name);

// Dotted names ("Font.Name") walk object-valued properties.
bool IsPublishedProp(TPersistent* obj, const std::string& name);
bool SetPropValue(TPersistent* obj, const std::string& name, const TValue& value);
bool GetPropValue(TPersistent* obj, const std::string& name, TValue& value);

// Adaptors that turn member accessors into table rows.
template <class C>
TPropInfo IntProp(const char* name, int (C::*get)() const, void (C::*set)(int)) {
  return {name, [get](TPersistent& o) { return TValue::Integer((static_cast<C&>(o).*get)()); },
          [set](TPersistent& o, const TValue& v) { (static_cast<C&>(o).*set)(int(v.Int)); }};
}
template <class C>
TPropInfo BoolProp(const char* name, bool (C::*get)() const, void (C::*set)(bool)) {
  return {name, [get](TPersistent& o) { return TValue::Bool((static_cast<C&>(o).*get)()); },
          [set](TPersistent& o, const TValue& v) { (static_cast<C&>(o).*set)(v.AsBool()); }};
}
template <class C>
TPropInfo StrProp(const char* name, std::wstring (C::*get)() const, void (C::*set)(const std::wstring&)) {
  return {name, [get](TPersistent& o) { return TValue::String((static_cast<C&>(o).*get)()); },
          [set](TPersistent& o, const TValue& v) { (static_cast<C&>(o).*set)(v.Str); }};
}
template <class C, class T>
TPropInfo ObjProp(const char* name, T* (C::*get)() const) {
  return {name, [get](TPersistent& o) { return TValue::Obj((static_cast<C&>(o).*get)()); }, {}};
}
template <class C>
TPropInfo EventProp(const char* name, TNotifyEvent C::*field) {
  TPropInfo p{name, {}, [field](TPersistent& o, const TValue& v) { static_cast<C&>(o).*field = v.Event; }};
  p.IsEvent = true;
  return p;
}
// A set stored as "[a, b]": bit i stands for names[i].
template <class C>
TPropInfo SetOfProp(const char* name, void (C::*set)(unsigned), std::vector<std::wstring> names) {
  return {name, {}, [set, names](TPersistent& o, const TValue& v) {
            unsigned bits = 0;
            for (const std::wstring& item : v.Items)
              for (size_t i = 0; i < names.size(); ++i)
                if (_wcsicmp(names[i].c_str(), item.c_str()) == 0) bits |= 1u << i;
            (static_cast<C&>(o).*set)(bits);
          }};
}
// An enumeration stored by identifier, e.g. Align = alTop.
template <class C, class E>
TPropInfo EnumProp(const char* name, E (C::*get)() const, void (C::*set)(E),
                   std::vector<std::wstring> idents) {
  return {name,
          [get, idents](TPersistent& o) { return TValue::Ident(idents.at(size_t((static_cast<C&>(o).*get)()))); },
          [set, idents](TPersistent& o, const TValue& v) {
            for (size_t i = 0; i < idents.size(); ++i)
              if (_wcsicmp(idents[i].c_str(), v.Str.c_str()) == 0) (static_cast<C&>(o).*set)(E(i));
          }};
}
