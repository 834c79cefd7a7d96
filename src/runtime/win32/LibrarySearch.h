#pragma once

namespace velkorin::win32 {

// Keeps the libraries that the system asks for by bare name on the program's behalf out of the
// program's folder, for the rest of the process. The binding tables load the program's own
// libraries by full path; this is for the system's: its common controls and visual styles, COM and
// the shell load others by name as they go, and Windows looks for such a name in the program's
// folder (and on older systems the current folder, often the same) before the system folder.
// Called first thing, before anything else in the process loads a library.
void KeepLibrarySearchOutOfTheProgramFolder();

}  // namespace velkorin::win32
