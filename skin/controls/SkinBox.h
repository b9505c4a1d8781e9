// Containers (panels, forms inside forms) that only take the skin's face
// colour while skinned, and give their own back. No message hook.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinBox : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
};
