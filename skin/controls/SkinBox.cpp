#include "skin/controls/SkinBox.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinBox, TSkinControl, {})

void TSkinBox::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  FOwnsColor = OwnsColor;
  FSkinData = SkinData;
  FCanvas = Canvas;
  FControl = dynamic_cast<TWinControl*>(Owner());
  FHandle = FControl && FControl->HandleAllocated() ? FControl->Handle() : nullptr;
  FForm = Form;
  RegisterWithForm();
  if (FOwnsColor && FControl) {
    SwitchParentBackground(true);
    FSavedColor = FControl->GetColor();
    FControl->SetColor(SkinData->SkinColours[3]);
  }
}

void TSkinBox::Detach() {
  if (FStatus != ssDestroying) RestoreProperties();
  if (FStatus != ssDestroying && FOwnsColor && FControl) {
    SwitchParentBackground(false);
    FControl->SetColor(FSavedColor);
  }
  FStatus = ssDetached;
}

void TSkinBox::AfterMessage(TMessage&) {}
