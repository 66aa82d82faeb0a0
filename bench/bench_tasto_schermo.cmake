# bench_tasto_schermo: key release -> screen changed on the X server, for any
# window (bench/tasto.sh runs it on the program and on the floor). A plain
# X client; left out where the XTEST headers are missing. Not a test.
find_package(X11)
if(X11_FOUND AND X11_XTest_FOUND)
  add_executable(bench_tasto_schermo ${CMAKE_CURRENT_LIST_DIR}/bench_tasto_schermo.cpp)
  target_link_libraries(bench_tasto_schermo PRIVATE X11::X11 X11::Xtst)
  set_target_properties(bench_tasto_schermo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PINNOLE_PROGRAM_DIR})
endif()
