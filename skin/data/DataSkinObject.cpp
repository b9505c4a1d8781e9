#include "skin/data/DataSkinObject.h"

TDataSkinObject::TDataSkinObject(std::wstring name)
    : Image(std::make_unique<TBitmap>()), Name(std::move(name)) {}

// The bitmaps go with their owners; one released elsewhere is simply absent.
TDataSkinObject::~TDataSkinObject() = default;

bool HasImage(const TDataSkinObject* element) { return element && element->Image && !element->Image->Empty(); }

RECT SkinMargins(const TDataSkinObject& element) {
  return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

TDataSkinBorder::TDataSkinBorder(std::wstring name)
    : TDataSkinObject(std::move(name)), SecondImage(std::make_unique<TBitmap>()) {}

TDataSkinButton::TDataSkinButton(std::wstring name)
    : TDataSkinObject(std::move(name)), CheckImage(std::make_unique<TBitmap>()),
      RadioImage(std::make_unique<TBitmap>()) {}
