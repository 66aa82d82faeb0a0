pinnole_logic_test(vocabolario ${PINNOLE_TEST_DIR}/tst_vocabolario.cpp)
