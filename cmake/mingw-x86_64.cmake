# Cross build of the x64 Windows deliverables with MinGW-w64: the extensions 64-bit Explorer
# loads, and the programs beside them.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARVEX_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
