pinnole_logic_test(logicaconfigura ${PINNOLE_TEST_DIR}/tst_logicaconfigura.cpp)
pinnole_ui_test(formconfigura ${PINNOLE_TEST_DIR}/tst_formconfigura.cpp
                ${PINNOLE_TEST_DIR}/../framework/VoceScansioneFinta.h)
# On a real X server with a window manager, when the project's X test runner is there.
if(COMMAND pinnole_x11_test)
  pinnole_x11_test(formconfigura_x --wm ${PINNOLE_TEST_DIR}/tst_formconfigura_x.cpp)
endif()
