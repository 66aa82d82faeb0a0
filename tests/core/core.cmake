pinnole_logic_test(impostazioni ${PINNOLE_TEST_DIR}/tst_impostazioni.cpp)
pinnole_logic_test(lingua ${PINNOLE_TEST_DIR}/tst_lingua.cpp)
pinnole_logic_test(avvio ${PINNOLE_TEST_DIR}/tst_avvio.cpp)
pinnole_logic_test(colorinellalingua ${PINNOLE_TEST_DIR}/tst_colorinellalingua.cpp)
pinnole_ui_test(traduzione ${PINNOLE_TEST_DIR}/tst_traduzione.cpp)
# The read-only folder cases again, as an ordinary user even when the tests
# run as root.
add_test(NAME logic-lingua-sola-lettura
  COMMAND sh ${PINNOLE_TEST_DIR}/../senza-root.sh $<TARGET_FILE:tst_lingua> sceltaConCartellaDelProgrammaDiSolaLettura)
set_tests_properties(logic-lingua-sola-lettura PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
add_test(NAME logic-impostazioni-sola-lettura
  COMMAND sh ${PINNOLE_TEST_DIR}/../senza-root.sh $<TARGET_FILE:tst_impostazioni> scritturaFallitaNonRovinaIlFile)
set_tests_properties(logic-impostazioni-sola-lettura PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
pinnole_logic_test(dati_guasti ${PINNOLE_TEST_DIR}/tst_dati_guasti.cpp)
# The full-disk cases, on a small file system of their own.
add_test(NAME logic-dati_guasti-disco-pieno
  COMMAND ${PINNOLE_TEST_DIR}/../con-disco-pieno.sh $<TARGET_FILE:tst_dati_guasti> discoPieno)
set_tests_properties(logic-dati_guasti-disco-pieno PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
