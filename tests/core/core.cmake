pinnole_logic_test(impostazioni ${PINNOLE_TEST_DIR}/tst_impostazioni.cpp)
pinnole_logic_test(lingua ${PINNOLE_TEST_DIR}/tst_lingua.cpp)
pinnole_logic_test(avvio ${PINNOLE_TEST_DIR}/tst_avvio.cpp)
pinnole_ui_test(traduzione ${PINNOLE_TEST_DIR}/tst_traduzione.cpp)
