pinnole_logic_test(esercizio4 ${PINNOLE_TEST_DIR}/tst_esercizio4.cpp)
pinnole_ui_test(formes4 ${PINNOLE_TEST_DIR}/tst_formes4.cpp)
