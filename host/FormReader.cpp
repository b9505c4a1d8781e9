#include "host/FormReader.h"
#include "host/Forms.h"
#include "host/WideText.h"

namespace {
[[noreturn]] void Fail(int line, const std::string& what) {
  throw EReadError("form description, line " + std::to_string(line) + ": " + what);
}

std::vector<std::wstring> WideItems(const std::vector<std::string>& items) {
  std::vector<std::wstring> out;
  for (const std::string& s : items) out.push_back(Utf8ToWide(s));
  return out;
}

class TReader {
public:
  explicit TReader(TForm& root) : FRoot(root) {}

  void ReadObject(TComponent& target, TWinControl* parent, const TFormObject& d) {
    target.BeginLoading();
    FRead.push_back(&target);
    if (&target != &FRoot) {
      target.SetName(Utf8ToWide(d.Name));
      if (auto* control = dynamic_cast<TControl*>(&target)) control->SetParent(parent);
    }
    for (const TFormProperty& p : d.Properties) ReadProperty(target, target, p);
    auto* container = dynamic_cast<TWinControl*>(&target);
    for (const TFormObject& child : d.Children) {
      const TClassInfo* cls = FindClass(child.ClassName);
      if (!cls || !cls->Create) Fail(child.Line, "class " + child.ClassName + " not found");
      ReadObject(*cls->Create(&FRoot), container ? container : parent, child);
    }
  }

  void CallLoaded() {
    for (TComponent* c : FRead) c->Loaded();
  }

private:
  void ReadProperty(TComponent& owner, TPersistent& target, const TFormProperty& p) {
    const TFormValue& v = p.Value;
    if (v.Kind == TFormValue::vkBinary) {
      if (!owner.ReadBinaryProperty(p.Name, v.Bytes)) Fail(p.Line, "no binary property " + p.Name);
      return;
    }
    if (v.Kind == TFormValue::vkCollection) {
      TValue holder;
      auto* items = GetPropValue(&target, p.Name, holder) ? dynamic_cast<TCollection*>(holder.Object) : nullptr;
      if (!items) Fail(p.Line, "no collection property " + p.Name);
      items->ClearItems();
      for (const std::vector<TFormProperty>& item : v.Collection) {
        TPersistent* entry = items->AddItem();
        for (const TFormProperty& ip : item) ReadProperty(owner, *entry, ip);
      }
      items->ItemsChanged();
      return;
    }
    if (!SetPropValue(&target, p.Name, Convert(target, p))) Fail(p.Line, "property " + p.Name + " does not exist");
  }

  TValue Convert(TPersistent& target, const TFormProperty& p) {
    const TFormValue& v = p.Value;
    switch (v.Kind) {
      case TFormValue::vkInteger: return TValue::Integer(v.Int);
      case TFormValue::vkString: return TValue::String(Utf8ToWide(v.Text));
      case TFormValue::vkSet: return TValue::Set(WideItems(v.Items));
      case TFormValue::vkList: return TValue::List(WideItems(v.Items));
      case TFormValue::vkFloat: { TValue r; r.Kind = TValue::vkFloat; r.Float = v.Float; return r; }
      case TFormValue::vkIdent: {
        TPersistent* owner = &target;
        std::string leaf = p.Name.substr(p.Name.rfind('.') + 1);
        TValue parentValue;
        if (leaf != p.Name && GetPropValue(&target, p.Name.substr(0, p.Name.rfind('.')), parentValue))
          owner = parentValue.Object;
        const TPropInfo* info = owner ? owner->ClassType().FindProp(leaf) : nullptr;
        if (info && info->IsEvent()) {
          TMethod handler = FRoot.FindMethod(v.Text);
          if (!handler) Fail(p.Line, "event handler " + v.Text + " not found");
          if (!info->Accepts(handler))
            Fail(p.Line, "event handler " + v.Text + " does not have the parameters of " + p.Name);
          return TValue::Method(std::move(handler));
        }
        return TValue::Ident(Utf8ToWide(v.Text));
      }
      default: Fail(p.Line, "unsupported value for " + p.Name);
    }
  }

  TForm& FRoot;
  std::vector<TComponent*> FRead;
};
}  // namespace

void ReadFormObject(TForm& root, const TFormObject& description) {
  if (description.ClassName != root.ClassName())
    Fail(description.Line, "describes " + description.ClassName + ", not " + root.ClassName());
  TReader reader(root);
  reader.ReadObject(root, nullptr, description);
  reader.CallLoaded();
}

void ReadComponentResource(TForm& root, const std::wstring& resource) {
  const std::wstring name = resource.empty() ? Utf8ToWide(root.ClassName()) : resource;
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC res = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = res ? LoadResource(module, res) : nullptr;
  if (!data) throw EReadError("resource " + WideToUtf8(name) + " not found");
  std::string text(static_cast<const char*>(LockResource(data)), SizeofResource(module, res));
  TFormObject description;
  TFormTextError error;
  if (!ReadFormText(text, description, error)) Fail(error.Line, error.Message);
  ReadFormObject(root, description);
}
