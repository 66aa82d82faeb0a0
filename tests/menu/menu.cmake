pinnole_logic_test(logicamenu ${PINNOLE_TEST_DIR}/tst_logicamenu.cpp)
pinnole_ui_test(formmenu ${PINNOLE_TEST_DIR}/tst_formmenu.cpp)
pinnole_ui_test(avvio_info ${PINNOLE_TEST_DIR}/tst_avvio_info.cpp)
pinnole_ui_test(finestre_in_inglese ${PINNOLE_TEST_DIR}/tst_finestre_in_inglese.cpp)
pinnole_ui_test(disegnoconservato ${PINNOLE_TEST_DIR}/tst_disegnoconservato.cpp)
# Its full-disk case, on a small file system of its own.
add_test(NAME ui-disegnoconservato-disco-pieno
  COMMAND ${PINNOLE_TEST_DIR}/../con-disco-pieno.sh $<TARGET_FILE:tst_disegnoconservato> discoPieno)
set_tests_properties(ui-disegnoconservato-disco-pieno PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
