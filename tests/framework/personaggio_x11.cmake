pinnole_x11_test(personaggio_x11 "--wm" ${PINNOLE_TEST_DIR}/tst_personaggio_x11.cpp)
add_test(NAME ui-personaggio_x11_1920 COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/con-xvfb.sh --wm --size=1920x1080
         $<TARGET_FILE:tst_personaggio_x11>)
set_tests_properties(ui-personaggio_x11_1920 PROPERTIES TIMEOUT 240)
