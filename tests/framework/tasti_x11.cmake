pinnole_x11_test(tasti_x11 "" ${PINNOLE_TEST_DIR}/tst_tasti_x11.cpp)
