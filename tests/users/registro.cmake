pinnole_logic_test(registro ${PINNOLE_TEST_DIR}/tst_registro.cpp)
