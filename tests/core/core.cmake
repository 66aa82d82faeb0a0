pinnole_logic_test(impostazioni ${PINNOLE_TEST_DIR}/tst_impostazioni.cpp)
pinnole_logic_test(lingua ${PINNOLE_TEST_DIR}/tst_lingua.cpp)
pinnole_logic_test(avvio ${PINNOLE_TEST_DIR}/tst_avvio.cpp)
# The start again on a system without the school font: a fontconfig that
# sees DejaVu alone.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/solo-dejavu/fonts.conf
  "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig>\n"
  "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
  "  <cachedir>${CMAKE_CURRENT_BINARY_DIR}/solo-dejavu/cache</cachedir>\n"
  "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n")
add_test(NAME logic-avvio-senza-corsivo COMMAND tst_avvio)
set_tests_properties(logic-avvio-senza-corsivo PROPERTIES TIMEOUT 120 ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen;PINNOLE_TEST_SENZA_CORSIVO=1;FONTCONFIG_FILE=${CMAKE_CURRENT_BINARY_DIR}/solo-dejavu/fonts.conf")
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
pinnole_logic_test(storiaprogressi ${PINNOLE_TEST_DIR}/tst_storiaprogressi.cpp)
add_test(NAME logic-storiaprogressi-sola-lettura
  COMMAND sh ${PINNOLE_TEST_DIR}/../senza-root.sh $<TARGET_FILE:tst_storiaprogressi> cartellaSenzaPermessi)
set_tests_properties(logic-storiaprogressi-sola-lettura PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
add_test(NAME logic-storiaprogressi-disco-pieno
  COMMAND ${PINNOLE_TEST_DIR}/../con-disco-pieno.sh $<TARGET_FILE:tst_storiaprogressi> discoPieno)
# Room for SQLite's shared-memory file (32 KB) and a few log pages.
set_tests_properties(logic-storiaprogressi-disco-pieno PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PINNOLE_DISCO_KB=256" TIMEOUT 120)
