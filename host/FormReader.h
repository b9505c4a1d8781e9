// Creates a form's components from its stored description.
#pragma once
#include "host/FormText.h"
#include <stdexcept>

class TForm;

class EReadError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Reads root's own properties and creates every nested object through the
// class registry, setting properties by name and binding event handlers by
// the root's method names; then calls Loaded on every component read.
void ReadFormObject(TForm& root, const TFormObject& description);

// The same from an RCDATA resource: the one named after the form's class
// unless another is named.
void ReadComponentResource(TForm& root, const std::wstring& resource = L"");
