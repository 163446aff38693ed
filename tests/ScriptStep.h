// Test dialogs driven by a script: the steps run one by one from posted messages, each after
// the input that the steps before it posted; after the last one the dialog ends.
#pragma once
#include <afxwin.h>

#include <functional>
#include <vector>

// Runs step nStep and posts the message for the next one, or ends the dialog with nEndResult.
template <class TDialog>
void RunScriptStep(TDialog& dlg, const std::vector<std::function<void(TDialog&)>>& steps, size_t nStep,
                   UINT nStepMessage, int nEndResult)
{
  if (nStep >= steps.size())
  {
    dlg.EndDialog(nEndResult);
    return;
  }
  steps[nStep](dlg);
  dlg.PostMessage(nStepMessage, nStep + 1);
}
