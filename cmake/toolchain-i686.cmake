# 32-bit Windows: built to prove it compiles (these machines cannot run it).
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
