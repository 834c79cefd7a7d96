#pragma once

// Live objects and server locks; DllCanUnloadNow answers from this count. A room of its own: the
// objects take the lock, and the module that serves them reaches the objects.
void ModuleAddRef();
void ModuleRelease();
bool ModuleInUse();
