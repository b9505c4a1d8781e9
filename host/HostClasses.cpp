#include "HostClasses.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

void RegisterHostClasses() {
  for (const TClassInfo* c : {&TButton::StaticClass(), &TEdit::StaticClass(), &TLabel::StaticClass(),
                              &TPageControl::StaticClass(), &TTabSheet::StaticClass(),
                              &TStatusBar::StaticClass(), &TTimer::StaticClass()})
    RegisterComponentClass(*c);
}
