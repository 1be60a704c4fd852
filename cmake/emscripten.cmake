# WebAssembly through Debian's emscripten package; node runs the test programs.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Threads switch on Asyncify fibers, and Java exceptions are C++ exceptions: JavaScript-based
# exception support (the wasm kind crashes the Asyncify pass of this toolchain).
set(CMAKE_C_FLAGS_INIT "-fexceptions")
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
# The Asyncify stack holds the locals of a call stack unwound to sleep or to be scanned; the
# page's own imports that unwind (web/library.js) are named for the Asyncify pass.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fexceptions -sASYNCIFY -sASYNCIFY_STACK_SIZE=262144 -sALLOW_MEMORY_GROWTH=1 \
-sASYNCIFY_IMPORTS=palm_web_wait,palm_web_sync,palm_scan_locals \
--js-library ${CMAKE_CURRENT_LIST_DIR}/../web/library.js")
# Node 20 has a fetch of its own that the generated loader must not take for the browser's.
# Baseline-compiled frames are several times the size of optimised ones, and which kind runs
# depends on how far background compilation has got: the deepest test recursion fits the
# default stack only once optimised, so under load it would not. 4 MB is half the main
# thread's own stack.
set(CMAKE_CROSSCOMPILING_EMULATOR "/usr/bin/node;--no-experimental-fetch;--stack-size=4000"
    CACHE STRING "Runs the target's programs" FORCE)
# wasm-ld, like every lld, resolves references back into earlier archives by itself.
set(CMAKE_CXX_LINK_GROUP_USING_RESCAN "LINKER:--start-group" "LINKER:--end-group")
set(CMAKE_CXX_LINK_GROUP_USING_RESCAN_SUPPORTED TRUE)
