// Real input for the dialog under test: keys and clicks queued as a user's are, and
// played by the dialog's own modal loop (PreTranslateMessage and the dialog's keyboard
// handling included) between the steps of a test.
#pragma once

#include <functional>
#include <vector>

#include "real_input.h"

using Step = std::function<void()>;

// Runs the steps one by one from inside dlg.DoModal(), each once the modal loop has
// handled everything the one before queued; then ends the dialog, unless it ended
// by itself. Returns how many steps ran.
size_t RunSteps(CDialog& dlg, std::vector<Step> steps);
