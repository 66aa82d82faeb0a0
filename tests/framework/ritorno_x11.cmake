# The picture for colouring and the print window, left with real keys on an
# X server with no window manager.
pinnole_x11_test(ritorno_x11 "" ${PINNOLE_TEST_DIR}/tst_ritorno_x11.cpp)
