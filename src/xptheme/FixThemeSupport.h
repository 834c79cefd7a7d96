#pragma once

#include "runtime/FormControl.h"
#include "xptheme/mdXpThemeSupport.h"

namespace velkorin {

// The module's one entry for a window: places pvRedirectFrame on every frame and pvRedirectButton on
// every graphical-style command button, option button and check box of `controls`, each on the
// control's own window. Other controls are not touched. Returns false, doing nothing, when the loaded
// common-controls library is older than version 6; true once the walk is made, failures or not.
bool FixThemeSupport(mdXpThemeSupport& module, const ControlCollection& controls);

}  // namespace velkorin
