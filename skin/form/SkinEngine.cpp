#include "skin/form/SkinEngine.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

void InitSkinEngine() {
  RegisterSkinClasses();
  InstallSkinManager();
  SetFormSkinnerFactory(&MakeFormSkinner);
}
