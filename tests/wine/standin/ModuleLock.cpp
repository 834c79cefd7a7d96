#include "wine/standin/ModuleLock.h"

#include <windows.h>

namespace {
LONG moduleRefs = 0;
}  // namespace

void ModuleAddRef() { InterlockedIncrement(&moduleRefs); }

void ModuleRelease() { InterlockedDecrement(&moduleRefs); }

bool ModuleInUse() { return moduleRefs != 0; }
