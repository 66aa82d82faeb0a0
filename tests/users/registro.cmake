pinnole_logic_test(registro ${PINNOLE_TEST_DIR}/tst_registro.cpp)
pinnole_logic_test(fileregistro ${PINNOLE_TEST_DIR}/tst_fileregistro.cpp)
pinnole_logic_test(vistaregistro ${PINNOLE_TEST_DIR}/tst_vistaregistro.cpp)
pinnole_logic_test(stampagriglia ${PINNOLE_TEST_DIR}/tst_stampagriglia.cpp)
