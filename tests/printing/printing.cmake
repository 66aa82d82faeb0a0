pinnole_logic_test(geometria_stampa ${PINNOLE_TEST_DIR}/tst_geometria_stampa.cpp)
pinnole_ui_test(stampanti ${PINNOLE_TEST_DIR}/tst_stampanti.cpp)
# tests/StampaPdf.h asks the private server itself through libcups.
target_link_libraries(tst_stampanti PRIVATE Cups::Cups)
# Reads back the PDFs of the test command's private CUPS server.
set_tests_properties(ui-stampanti PROPERTIES RESOURCE_LOCK cups-pdf)
pinnole_ui_test(stampanti_senza_cups ${PINNOLE_TEST_DIR}/tst_stampanti_senza_cups.cpp)
target_link_libraries(tst_stampanti_senza_cups PRIVATE Cups::Cups)
pinnole_ui_test(frmstampa ${PINNOLE_TEST_DIR}/tst_frmstampa.cpp)
pinnole_ui_test(stampa_esercizio ${PINNOLE_TEST_DIR}/tst_stampa_esercizio.cpp)
target_link_libraries(tst_stampa_esercizio PRIVATE Cups::Cups)
set_tests_properties(ui-stampa_esercizio PROPERTIES RESOURCE_LOCK cups-pdf)
pinnole_ui_test(form1 ${PINNOLE_TEST_DIR}/tst_form1.cpp)
