pinnole_logic_test(livelli ${PINNOLE_TEST_DIR}/tst_livelli.cpp)
pinnole_logic_test(scansione ${PINNOLE_TEST_DIR}/tst_scansione.cpp)
pinnole_logic_test(tasti_tenuti ${PINNOLE_TEST_DIR}/tst_tasti_tenuti.cpp)
