#pragma once

// Live objects and server locks; DllCanUnloadNow answers from this count.
void ModuleAddRef();
void ModuleRelease();
