pinnole_ui_test(posto_personaggio ${PINNOLE_TEST_DIR}/tst_posto_personaggio.cpp)
# The same on a real X server, where the window and its children are the
# window system's own.
if(COMMAND pinnole_x11_test)
  pinnole_x11_test(posto_personaggio_x11 "--size=1920x1080" ${PINNOLE_TEST_DIR}/tst_posto_personaggio.cpp)
endif()
