#pragma once

namespace velkorin::win32 {

// Numbers as text through the system's C runtime (runtime/NumberText.h), for the whole process.
void UseSystemNumberText();

}  // namespace velkorin::win32
