#pragma once

// Resource ids of the themed test window, shared by its resource script and its code.
#define IDR_FRAMED_BMP 101
#define IDR_OPTION_ICO 102
#define IDR_CHECK_BMP 103
#define IDR_CHECK_DOWN_BMP 104
#define IDR_DISABLED_BMP 105
