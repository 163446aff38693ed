// A test dialog driven by a script of steps, shared by the numeric, auto-complete and utility
// dialog tests.
#pragma once
#include "../ScriptStep.h"

#include <utility>

// The steps run one by one from posted messages, each after the input that the steps before it
// posted; after the last one the dialog ends with SCRIPT_END unless something ended it first.
// TScripted is the derived dialog that the steps receive.
template <class TDialog, class TScripted>
class CScriptedDialog : public TDialog
{
public:
  enum
  {
    SCRIPT_END = 100
  };
  typedef std::function<void(TScripted&)> Step;

  using TDialog::TDialog;
  INT_PTR Run(std::vector<Step> steps)
  {
    m_steps = std::move(steps);
    return this->DoModal();
  }

protected:
  BOOL OnInitDialog() override
  {
    BOOL bResult = TDialog::OnInitDialog();
    this->PostMessage(WM_SCRIPT_STEP, 0);
    return bResult;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
  {
    if (message != WM_SCRIPT_STEP)
      return TDialog::WindowProc(message, wParam, lParam);
    RunScriptStep(static_cast<TScripted&>(*this), m_steps, wParam, WM_SCRIPT_STEP, SCRIPT_END);
    return 0;
  }

private:
  static const UINT WM_SCRIPT_STEP = WM_APP + 60;
  std::vector<Step> m_steps;
};
