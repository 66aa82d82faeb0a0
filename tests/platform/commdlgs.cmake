pinnole_ui_test(commdlgs ${PINNOLE_TEST_DIR}/tst_commdlgs.cpp)
pinnole_ui_test(pannello ${PINNOLE_TEST_DIR}/tst_pannello.cpp)
