// Put ahead of every C++ source of the Clang build (cmake/clang-i686.cmake), which links against
// the C++ library that GCC compiled for i686 MinGW.
//
// There, member functions are thiscall: the callee pops its arguments. GCC passes an argument of an
// empty class (an iterator tag) as four bytes of stack; Clang passes nothing (LLVM issue 58255). So a
// call from Clang's code into GCC's compiled basic_string::_M_construct(first, last, tag) leaves the
// stack four bytes off, and the program crashed at the first string it copied. -1 is the library's
// own setting that declares no basic_string member as compiled in the library: Clang compiles each
// one the program uses, and none of GCC's is linked. What else the program takes from GCC's library
// (exceptions, type information, operator new, the tree of std::map, shared_ptr's lock) takes no
// empty class by value.
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
