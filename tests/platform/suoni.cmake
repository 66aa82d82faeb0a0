# The real player: once against a private null-sink sound server, once with
# no server at all.
pinnole_ui_test(suoni ${PINNOLE_TEST_DIR}/tst_suoni.cpp)
pinnole_ui_test(suoni_senzaserver ${PINNOLE_TEST_DIR}/tst_suoni_senzaserver.cpp)
target_link_libraries(tst_suoni PRIVATE pinnole_audio)
target_link_libraries(tst_suoni_senzaserver PRIVATE pinnole_audio)
# The modules opened for real, by a test linked as the program is.
pinnole_ui_test(moduli ${PINNOLE_TEST_DIR}/tst_moduli.cpp)
pinnole_con_moduli(tst_moduli)
