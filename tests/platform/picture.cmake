pinnole_ui_test(shockwaveflash ${PINNOLE_TEST_DIR}/tst_shockwaveflash.cpp)
