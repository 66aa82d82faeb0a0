pinnole_ui_test(commdlgs ${PINNOLE_TEST_DIR}/tst_commdlgs.cpp)
