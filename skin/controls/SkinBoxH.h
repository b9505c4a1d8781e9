// Pages of foreign dialogs ("#32770" children) and tool bar windows: the
// skin's face behind them and behind their static texts.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinBoxH : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
};
