pinnole_logic_test(scalalayout ${PINNOLE_TEST_DIR}/tst_scalalayout.cpp)
pinnole_ui_test(clsresize ${PINNOLE_TEST_DIR}/tst_clsresize.cpp)
pinnole_logic_test(zonalibera ${PINNOLE_TEST_DIR}/tst_zonalibera.cpp)
