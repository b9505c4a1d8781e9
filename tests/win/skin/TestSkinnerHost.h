// The form skinner as control skinners see it, reduced to its registry:
// tests attach skinners by hand and look at what registered.
#pragma once
#include "skin/controls/SkinControl.h"
#include <algorithm>
#include <vector>

class TTestSkinnerHost : public TSkinnerHost {
public:
  explicit TTestSkinnerHost(HWND form = nullptr) : Window(form) {}
  bool AddControlSkinner(TSkinControl* skinner) override {
    if (Has(skinner)) return true;
    Skinners.push_back(skinner);
    return false;
  }
  void RemoveControlSkinner(TSkinControl* skinner) override {
    Skinners.erase(std::remove(Skinners.begin(), Skinners.end(), skinner), Skinners.end());
  }
  HWND FormWindow() const override { return Window; }
  bool FormActive() const override { return true; }
  bool Has(const TSkinControl* skinner) const {
    return std::find(Skinners.begin(), Skinners.end(), skinner) != Skinners.end();
  }

  HWND Window;
  std::vector<TSkinControl*> Skinners;
};
