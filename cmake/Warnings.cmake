# Every target of ours builds with the same warnings, in all three builds.
add_compile_options(-Wall -Wextra)
if(VELKORIN_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
endif()
