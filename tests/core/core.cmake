pinnole_logic_test(impostazioni ${PINNOLE_TEST_DIR}/tst_impostazioni.cpp)
pinnole_logic_test(lingua ${PINNOLE_TEST_DIR}/tst_lingua.cpp)
pinnole_logic_test(avvio ${PINNOLE_TEST_DIR}/tst_avvio.cpp)
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
