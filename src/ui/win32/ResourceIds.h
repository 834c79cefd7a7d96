#pragma once

// Shared by the resource script and the code that loads the resources.
#define IDI_PROGRAM_ICON 1
#define IDR_LOGO_GIF 101
#define IDC_HAND_CURSOR 102
