// The calculator's page control and both its sheets are skinned once the
// main form is, and a click on a tab still switches the page.
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinMessages.h"
#include "tests/win/skin/SkinnedFormFixture.h"
#include <commctrl.h>

using CalculatorTabsSkinTest = SkinnedFormTest;

TEST_F(CalculatorTabsSkinTest, ThePageControlAndBothSheetsAreSkinned) {
  TWinSkinForm* skinner = FindFormSkinner(Form->Handle());
  ASSERT_NE(skinner, nullptr);
  const std::pair<TWinControl*, const char*> controls[] = {
      {Form->PageControl1, "TSkinTab"}, {Form->TabSheet1, "TSkinTabSheet"}, {Form->TabSheet2, "TSkinTabSheet"}};
  for (auto [control, skinnerClass] : controls) {
    SCOPED_TRACE(control->ClassName());
    EXPECT_EQ(SendMessageW(control->Handle(), WM_SKIN_QUERY, 0, 0), 1);
    TSkinControl* controlSkinner = skinner->FindControlSkinner(*control);
    ASSERT_NE(controlSkinner, nullptr);
    EXPECT_EQ(controlSkinner->ClassName(), skinnerClass);
  }
}

TEST_F(CalculatorTabsSkinTest, AClickOnATabStillSwitchesThePage) {
  const HWND tabs = Form->PageControl1->Handle();
  for (int tab : {1, 0}) {
    SCOPED_TRACE(tab);
    RECT r;
    TabCtrl_GetItemRect(tabs, tab, &r);
    MouseClick(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    TTabSheet* shown = tab == 1 ? Form->TabSheet2 : Form->TabSheet1;
    TTabSheet* hidden = tab == 1 ? Form->TabSheet1 : Form->TabSheet2;
    EXPECT_EQ(Form->PageControl1->ActivePage(), shown);
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
  }
}
