pinnole_logic_test(esercizio5 ${PINNOLE_TEST_DIR}/tst_esercizio5.cpp)
pinnole_ui_test(formes5 ${PINNOLE_TEST_DIR}/tst_formes5.cpp)
