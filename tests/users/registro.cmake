pinnole_logic_test(registro ${PINNOLE_TEST_DIR}/tst_registro.cpp)
pinnole_logic_test(fileregistro ${PINNOLE_TEST_DIR}/tst_fileregistro.cpp)
pinnole_logic_test(vistaregistro ${PINNOLE_TEST_DIR}/tst_vistaregistro.cpp)
pinnole_logic_test(stampagriglia ${PINNOLE_TEST_DIR}/tst_stampagriglia.cpp)
pinnole_ui_test(formeserciziEseguiti ${PINNOLE_TEST_DIR}/tst_formeserciziEseguiti.cpp)
# Prints for real through the test command's private CUPS server.
pinnole_ui_test(eseguiti_cups ${PINNOLE_TEST_DIR}/tst_eseguiti_cups.cpp)
target_link_libraries(tst_eseguiti_cups PRIVATE Cups::Cups)
set_tests_properties(ui-eseguiti_cups PROPERTIES RESOURCE_LOCK cups-pdf)
pinnole_ui_test(formprogressi ${PINNOLE_TEST_DIR}/tst_formprogressi.cpp)
# Prints the progress pages for real through the test command's private CUPS server.
pinnole_ui_test(progressi_cups ${PINNOLE_TEST_DIR}/tst_progressi_cups.cpp)
target_link_libraries(tst_progressi_cups PRIVATE Cups::Cups)
set_tests_properties(ui-progressi_cups PROPERTIES RESOURCE_LOCK cups-pdf)
