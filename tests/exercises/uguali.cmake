pinnole_logic_test(esercizio2 ${PINNOLE_TEST_DIR}/tst_esercizio2.cpp)
pinnole_logic_test(caseuguali ${PINNOLE_TEST_DIR}/tst_caseuguali.cpp)
pinnole_ui_test(formes2 ${PINNOLE_TEST_DIR}/tst_formes2.cpp)
pinnole_ui_test(formuguali ${PINNOLE_TEST_DIR}/tst_formuguali.cpp)
