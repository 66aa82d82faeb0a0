pinnole_logic_test(accesso ${PINNOLE_TEST_DIR}/tst_accesso.cpp)
pinnole_ui_test(accesso_scansione ${PINNOLE_TEST_DIR}/tst_accesso_scansione.cpp ${PINNOLE_TEST_DIR}/VoceScansioneFinta.h
                ${PINNOLE_TEST_DIR}/AgenteFinto.h)
