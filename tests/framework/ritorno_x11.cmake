pinnole_x11_test(ritorno_x11 "" ${PINNOLE_TEST_DIR}/tst_ritorno_x11.cpp)
