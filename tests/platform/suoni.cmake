# The real player: once against a private null-sink sound server, once with
# no server at all.
pinnole_ui_test(suoni ${PINNOLE_TEST_DIR}/tst_suoni.cpp)
pinnole_ui_test(suoni_senzaserver ${PINNOLE_TEST_DIR}/tst_suoni_senzaserver.cpp)
