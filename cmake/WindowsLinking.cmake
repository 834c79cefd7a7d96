# The program needs only the system's own DLLs: no libstdc++ or libgcc DLL beside the exe.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
enable_language(RC)
# Each function and datum in a section of its own, so that the linker drops what nothing calls.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
