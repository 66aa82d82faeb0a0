pinnole_logic_test(voce_etichette ${PINNOLE_TEST_DIR}/tst_voce_etichette.cpp)
pinnole_ui_test(voce ${PINNOLE_TEST_DIR}/tst_voce.cpp)
pinnole_ui_test(voce_agente ${PINNOLE_TEST_DIR}/tst_voce_agente.cpp)
# Both hear the voice on the sound output that the program opens as a module.
target_link_libraries(tst_voce PRIVATE pinnole_audio)
target_link_libraries(tst_voce_agente PRIVATE pinnole_audio)
