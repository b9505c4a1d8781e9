// Published properties reachable by name, through a table per class.
// Code that sets "Transparent" or reads "NumButtons" works for every class
// that publishes the property and does nothing for one that does not.
#pragma once
#include <any>
#include <functional>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

class TObject;
class TPersistent;
class TComponent;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An event handler of any signature, kept with its exact type: it can be
// taken back only as the std::function it was made from, so a handler never
// reaches an event whose parameters differ.
class TMethod {
public:
  TMethod() = default;
  template <class Signature>
  TMethod(std::function<Signature> handler) {
    if (handler) FHandler = std::move(handler);
  }

  explicit operator bool() const { return FHandler.has_value(); }
  // The handler as an event of that signature; null when it is of another.
  template <class Signature>
  const std::function<Signature>* As() const {
    return std::any_cast<std::function<Signature>>(&FHandler);
  }
  // The std::function type the handler was made from (void when empty).
  const std::type_info& Type() const { return FHandler.type(); }

private:
  std::any FHandler;
};

// A property value that does not fit the property, e.g. a handler of
// another signature for an event.
class EPropertyError : public std::invalid_argument {
public:
  using std::invalid_argument::invalid_argument;
};

struct TValue {
  enum TKind { vkNone, vkInteger, vkFloat, vkString, vkIdent, vkSet, vkList, vkObject, vkEvent };
  TKind Kind = vkNone;
  long long Int = 0;
  double Float = 0;
  std::wstring Str;                 // string or identifier
  std::vector<std::wstring> Items;  // set elements or list strings
  TPersistent* Object = nullptr;
  TMethod Handler;

  static TValue Integer(long long v) { TValue r; r.Kind = vkInteger; r.Int = v; return r; }
  static TValue String(std::wstring s) { TValue r; r.Kind = vkString; r.Str = std::move(s); return r; }
  static TValue Ident(std::wstring s) { TValue r; r.Kind = vkIdent; r.Str = std::move(s); return r; }
  static TValue Bool(bool b) { return Ident(b ? L"True" : L"False"); }
  static TValue List(std::vector<std::wstring> items) { TValue r; r.Kind = vkList; r.Items = std::move(items); return r; }
  static TValue Obj(TPersistent* o) { TValue r; r.Kind = vkObject; r.Object = o; return r; }
  static TValue Set(std::vector<std::wstring> items) { TValue r; r.Kind = vkSet; r.Items = std::move(items); return r; }
  static TValue Method(TMethod m) { TValue r; r.Kind = vkEvent; r.Handler = std::move(m); return r; }

  bool AsBool() const;  // True/False identifiers or a non-zero integer
};

struct TPropInfo {
  std::string Name;
  std::function<TValue(TPersistent&)> Get;               // empty: write-only
  std::function<void(TPersistent&, const TValue&)> Set;  // empty: read-only
  // For an event: the std::function type of its handlers.
  const std::type_info* EventType = nullptr;

  bool IsEvent() const { return EventType != nullptr; }
  // Whether the handler has exactly the event's signature.
  bool Accepts(const TMethod& handler) const { return IsEvent() && handler.Type() == *EventType; }
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
// An event of any handler signature. Reading gives the bound handler;
// writing takes a handler of exactly that signature (or none, to clear it).
template <class C, class Signature>
TPropInfo EventProp(const char* name, std::function<Signature> C::*field) {
  TPropInfo p{name, [field](TPersistent& o) { return TValue::Method(static_cast<C&>(o).*field); },
              [field, event = std::string(name)](TPersistent& o, const TValue& v) {
                const std::function<Signature>* handler = v.Handler.template As<Signature>();
                if (v.Handler && !handler) throw EPropertyError("a handler of other parameters for " + event);
                static_cast<C&>(o).*field = handler ? *handler : std::function<Signature>();
              }};
  p.EventType = &typeid(std::function<Signature>);
  return p;
}
// A string list property: reading gives the list, writing copies the rows
// of another list (or of a list value), never shares it.
template <class C, class L>
TPropInfo StringListProp(const char* name, L* (C::*get)() const) {
  return {name, [get](TPersistent& o) { return TValue::Obj((static_cast<C&>(o).*get)()); },
          [get, prop = std::string(name)](TPersistent& o, const TValue& v) {
            L& list = *(static_cast<C&>(o).*get)();
            if (v.Kind == TValue::vkList) return list.SetItems(v.Items);  // rows as stored
            const L* other = v.Kind == TValue::vkObject ? dynamic_cast<const L*>(v.Object) : nullptr;
            if (!other) throw EPropertyError(prop + " takes a string list");
            if (other != &list) list.Assign(*other);
          }};
}
// A set stored as "[a, b]": bit i stands for names[i]. Reading, where the
// class has a getter, gives the names of the members in that order.
std::vector<std::wstring> SetMemberNames(unsigned bits, const std::vector<std::wstring>& names);
unsigned SetFromNames(const std::vector<std::wstring>& items, const std::vector<std::wstring>& names);
template <class C>
TPropInfo SetOfProp(const char* name, void (C::*set)(unsigned), std::vector<std::wstring> names) {
  return {name, {}, [set, names](TPersistent& o, const TValue& v) {
            (static_cast<C&>(o).*set)(SetFromNames(v.Items, names));
          }};
}
template <class C>
TPropInfo SetOfProp(const char* name, unsigned (C::*get)() const, void (C::*set)(unsigned),
                    std::vector<std::wstring> names) {
  return {name,
          [get, names](TPersistent& o) { return TValue::Set(SetMemberNames((static_cast<C&>(o).*get)(), names)); },
          [set, names](TPersistent& o, const TValue& v) { (static_cast<C&>(o).*set)(SetFromNames(v.Items, names)); }};
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
