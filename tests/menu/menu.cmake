pinnole_logic_test(logicamenu ${PINNOLE_TEST_DIR}/tst_logicamenu.cpp)
pinnole_ui_test(formmenu ${PINNOLE_TEST_DIR}/tst_formmenu.cpp)
pinnole_ui_test(avvio_info ${PINNOLE_TEST_DIR}/tst_avvio_info.cpp)
pinnole_ui_test(finestre_in_inglese ${PINNOLE_TEST_DIR}/tst_finestre_in_inglese.cpp)
