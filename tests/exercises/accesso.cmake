pinnole_ui_test(accesso_finestre ${PINNOLE_TEST_DIR}/tst_accesso_finestre.cpp
                ${PINNOLE_TEST_DIR}/../framework/VoceScansioneFinta.h)
