// Base classes of the class library: objects with published properties,
// components with owners, string lists and memory streams.
#pragma once
#include "host/TypInfo.h"
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class TObject {
public:
  virtual ~TObject() = default;
  virtual const TClassInfo& ClassType() const;
  static const TClassInfo& StaticClass();
  std::string ClassName() const { return ClassType().ClassName; }
  bool InheritsFrom(const TClassInfo& c) const { return ClassType().InheritsFrom(c); }
};

class TPersistent : public TObject {
public:
  const TClassInfo& ClassType() const override;
  static const TClassInfo& StaticClass();
};

// Declares the class-information pair of a class (definitions in its .cpp).
#define DECLARE_CLASS_INFO                        \
  const TClassInfo& ClassType() const override;   \
  static const TClassInfo& StaticClass();

// Defines them: the table is built once, on first use.
#define DEFINE_CLASS_INFO(Class, ParentClass, ...)                             \
  const TClassInfo& Class::StaticClass() {                                     \
    static const TClassInfo info{#Class, &ParentClass::StaticClass(), __VA_ARGS__}; \
    return info;                                                               \
  }                                                                            \
  const TClassInfo& Class::ClassType() const { return StaticClass(); }

// The same for a component the form reader may create by its class name.
#define DEFINE_COMPONENT_INFO(Class, ParentClass, ...)                         \
  const TClassInfo& Class::StaticClass() {                                     \
    static const TClassInfo info{#Class, &ParentClass::StaticClass(),          \
        std::vector<TPropInfo> __VA_ARGS__,                                    \
        [](TComponent* owner) -> TComponent* { return new Class(owner); }};    \
    return info;                                                               \
  }                                                                            \
  const TClassInfo& Class::ClassType() const { return StaticClass(); }

class TComponent : public TPersistent {
public:
  DECLARE_CLASS_INFO
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::vector<TComponent*>& Components() const { return FComponents; }
  int ComponentCount() const { return int(FComponents.size()); }
  TComponent* FindComponent(const std::wstring& name) const;

  std::wstring GetName() const { return FName; }
  virtual void SetName(const std::wstring& name) { FName = name; }
  int GetTag() const { return FTag; }
  void SetTag(int tag) { FTag = tag; }

  bool Loading() const { return FLoading; }
  void BeginLoading() { FLoading = true; }
  // Called on every component once the whole description has been read.
  virtual void Loaded() { FLoading = false; }
  // A property the component stores itself as binary data; true when taken.
  virtual bool ReadBinaryProperty(const std::string& name, const std::vector<uint8_t>& data);

private:
  void Insert(TComponent* c) { FComponents.push_back(c); }
  void Remove(TComponent* c);

  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
  std::wstring FName;
  int FTag = 0;
  bool FLoading = false;
};

// A list of items stored as "<item … end>" in a form description.
class TCollection : public TPersistent {
public:
  DECLARE_CLASS_INFO
  virtual TPersistent* AddItem() = 0;
  virtual void ClearItems() = 0;
  virtual void ItemsChanged() {}  // after the reader has filled the items
};

// Stored as "Name.Strings = ('row' 'row')".
class TStringList : public TPersistent {
public:
  DECLARE_CLASS_INFO
  TStringList() = default;
  TStringList(std::initializer_list<std::wstring> rows) : FItems(rows) {}
  const std::vector<std::wstring>& Items() const { return FItems; }
  void Assign(const TStringList& other) { FItems = other.FItems; }
  void SetItems(std::vector<std::wstring> rows) { FItems = std::move(rows); }
  int Count() const { return int(FItems.size()); }
  const std::wstring& operator[](int i) const { return FItems.at(size_t(i)); }
  void Add(std::wstring s) { FItems.push_back(std::move(s)); }
  void Clear() { FItems.clear(); }
  int IndexOf(const std::wstring& s) const;  // case-insensitive, -1 when absent
  std::wstring Text() const;                 // lines joined with CR LF
  void SetText(const std::wstring& text);    // split at CR, LF or CR LF

private:
  std::vector<std::wstring> FItems;
};

class TMemoryStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : FData(std::move(bytes)) {}
  size_t Size() const { return FData.size(); }
  size_t Position() const { return FPosition; }
  void SetPosition(size_t p) { FPosition = p < FData.size() ? p : FData.size(); }
  const uint8_t* Memory() const { return FData.data(); }
  const std::vector<uint8_t>& Bytes() const { return FData; }
  size_t Read(void* buffer, size_t count);   // returns how many bytes were read
  void Write(const void* buffer, size_t count);
  void Clear() { FData.clear(); FPosition = 0; }
  bool LoadFromFile(const std::wstring& path);

private:
  std::vector<uint8_t> FData;
  size_t FPosition = 0;
};
