#include "skin/button_plans.h"

#include <utility>

#include "skin/bitmap_btn.h"

namespace {

thread_local ButtonPlans* taking = nullptr;
// The plans with buttons not made yet, which their parents paint.
thread_local std::vector<ButtonPlans*> pending;

}  // namespace

ButtonPlans::~ButtonPlans() { Forget(); }

ButtonPlans::Planning::Planning(ButtonPlans& plans) : outer_(std::exchange(taking, &plans)) {}

ButtonPlans::Planning::~Planning() { taking = outer_; }

ButtonPlans* ButtonPlans::Taking() { return taking; }

void ButtonPlans::Add(CBitmapBtn& button) {
  if (planned_.empty()) pending.push_back(this);
  planned_.push_back(&button);
}

void ButtonPlans::PaintPlanned(HWND parent, HDC dc) {
  for (const ButtonPlans* plans : pending)
    for (const CBitmapBtn* button : plans->planned_)
      if (button->Planned() && button->PlanParent() == parent) button->PaintPlannedLook(dc);
}

void ButtonPlans::AfterCut(std::function<void()> step) { afterCut_.push_back(std::move(step)); }

void ButtonPlans::MakeAll() {
  // Each stays painted by its parent until its own window is made.
  for (CBitmapBtn* button : planned_) button->MakePlannedWindow();
  uncut_.insert(uncut_.end(), planned_.begin(), planned_.end());
  planned_.clear();
  std::erase(pending, this);
}

void ButtonPlans::CutAll() {
  for (CBitmapBtn* button : uncut_) button->CutPlannedImages();
  const std::vector<std::function<void()>> steps = std::move(afterCut_);
  Forget();
  for (const std::function<void()>& step : steps) step();
}

void ButtonPlans::Forget() {
  planned_.clear();
  uncut_.clear();
  afterCut_.clear();
  std::erase(pending, this);
}
