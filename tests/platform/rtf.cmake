pinnole_logic_test(lettorertf ${PINNOLE_TEST_DIR}/tst_lettorertf.cpp)
