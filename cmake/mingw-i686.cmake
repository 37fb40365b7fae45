# Windows x86 with MinGW-w64: compiled and linked only (this kernel runs no 32-bit code).
set(MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR X86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
set(METROVA_ARCH x86)
