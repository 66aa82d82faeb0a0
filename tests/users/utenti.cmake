pinnole_logic_test(utenti ${PINNOLE_TEST_DIR}/tst_utenti.cpp)
pinnole_ui_test(utenti_menu ${PINNOLE_TEST_DIR}/tst_utenti_menu.cpp)
pinnole_logic_test(filegiocatore ${PINNOLE_TEST_DIR}/tst_filegiocatore.cpp)
