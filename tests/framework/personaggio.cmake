pinnole_ui_test(personaggio ${PINNOLE_TEST_DIR}/tst_personaggio.cpp ${PINNOLE_TEST_DIR}/AgenteFinto.h)
