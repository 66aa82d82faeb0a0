pinnole_logic_test(esercizio1 ${PINNOLE_TEST_DIR}/tst_esercizio1.cpp)
