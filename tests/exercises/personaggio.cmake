pinnole_ui_test(posto_personaggio ${PINNOLE_TEST_DIR}/tst_posto_personaggio.cpp)
