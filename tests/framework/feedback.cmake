pinnole_logic_test(feedback ${PINNOLE_TEST_DIR}/tst_feedback.cpp)
pinnole_ui_test(feedback_premio ${PINNOLE_TEST_DIR}/tst_feedback_premio.cpp)
