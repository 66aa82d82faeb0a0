pinnole_logic_test(accesso ${PINNOLE_TEST_DIR}/tst_accesso.cpp)
