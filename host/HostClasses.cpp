#include "host/HostClasses.h"
#include "host/Buttons.h"
#include "host/CheckButtons.h"
#include "host/ComCtrls.h"
#include "host/ComboBoxes.h"
#include "host/ExtCtrls.h"
#include "host/Forms.h"
#include "host/GroupBoxes.h"
#include "host/ListViews.h"
#include "host/MPlayer.h"
#include "host/StdCtrls.h"
#include "host/Tabs.h"
#include "host/ToolWin.h"

void RegisterHostClasses() {
  RegisterComponentClass(TMediaPlayer::StaticClass());
  for (const TClassInfo* c : {&TButton::StaticClass(), &TBitBtn::StaticClass(), &TSpeedButton::StaticClass(),
                              &TEdit::StaticClass(), &TLabel::StaticClass(), &TPageControl::StaticClass(),
                              &TTabSheet::StaticClass(), &TTabControl::StaticClass(), &TTabSet::StaticClass(),
                              &TStatusBar::StaticClass(), &TTimer::StaticClass(), &TPanel::StaticClass(),
                              &TProgressBar::StaticClass(), &TTrackBar::StaticClass(), &TUpDown::StaticClass(),
                              &TDateTimePicker::StaticClass(), &TComboBox::StaticClass(), &THeaderControl::StaticClass(),
                              &TListView::StaticClass(), &TCheckBox::StaticClass(), &TRadioButton::StaticClass(),
                              &TGroupBox::StaticClass(), &TRadioGroup::StaticClass(), &TCheckGroup::StaticClass(),
                              &TMemo::StaticClass(), &TListBox::StaticClass(), &TScrollBar::StaticClass(),
                              &TScrollBox::StaticClass(), &TToolBar::StaticClass(), &TToolButton::StaticClass(),
                              &TCoolBar::StaticClass()})
    RegisterComponentClass(*c);
}
