pinnole_logic_test(logicaconfigura ${PINNOLE_TEST_DIR}/tst_logicaconfigura.cpp)
pinnole_ui_test(formconfigura ${PINNOLE_TEST_DIR}/tst_formconfigura.cpp)
