#pragma once

#include <cstdint>

namespace velkorin::bench {

// The GDI objects this process holds: GetGuiResources where the system answers it; under Wine,
// where that call answers 0, the live entries of the process's GDI handle table (the PEB's
// GdiSharedHandleTable, which Wine keeps as Windows does). -1 when neither can be read; the table is
// trusted only after a brush made and deleted moves its count by exactly one each way.
long ProcessGdiObjects();

// Top-level windows of this process and their child windows: the USER objects a run could leave.
long ProcessWindows();

// Committed private memory of this process, in bytes.
uint64_t ProcessPrivateBytes();

}  // namespace velkorin::bench
