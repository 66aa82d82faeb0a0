# tst_ritorno_x11 drives the picture for colouring and the print window as
# separate windows on an X server with no window manager. Over a full-screen
# exercise they are now panels inside its window, and the test waits for a
# window that no longer comes: it is built but left out of the run until it
# follows the panels.
add_executable(tst_ritorno_x11 ${PINNOLE_TEST_DIR}/tst_ritorno_x11.cpp)
target_link_libraries(tst_ritorno_x11 PRIVATE pinnole_ui pinnole_testsupport Qt6::Test)
add_dependencies(tst_ritorno_x11 program_folder)
