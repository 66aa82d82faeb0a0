pinnole_ui_test(formes1 ${PINNOLE_TEST_DIR}/tst_formes1.cpp)
