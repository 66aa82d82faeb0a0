pinnole_logic_test(caratteristiche ${PINNOLE_TEST_DIR}/tst_caratteristiche.cpp)
pinnole_ui_test(formes6 ${PINNOLE_TEST_DIR}/tst_formes6.cpp)
pinnole_ui_test(formes7 ${PINNOLE_TEST_DIR}/tst_formes7.cpp)
