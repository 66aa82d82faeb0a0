pinnole_logic_test(feedback ${PINNOLE_TEST_DIR}/tst_feedback.cpp)
