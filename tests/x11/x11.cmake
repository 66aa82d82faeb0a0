# Tests on a real X server (Xvfb, started and stopped by con_xvfb.sh), for
# behaviour that depends on the window system: real pointer clicks and held keys.
find_program(PINNOLE_XVFB Xvfb)
find_program(PINNOLE_XDOTOOL xdotool)
if(PINNOLE_XVFB AND PINNOLE_XDOTOOL)
  add_executable(tst_uguali_x ${PINNOLE_TEST_DIR}/tst_uguali_x.cpp)
  target_link_libraries(tst_uguali_x PRIVATE pinnole_ui pinnole_testsupport Qt6::Test)
  add_dependencies(tst_uguali_x program_folder)
  add_test(NAME ui-uguali-x COMMAND ${PINNOLE_TEST_DIR}/con_xvfb.sh ${CMAKE_BINARY_DIR}/test-logs
           $<TARGET_FILE:tst_uguali_x>)
  set_tests_properties(ui-uguali-x PROPERTIES TIMEOUT 180)
else()
  message(WARNING "Xvfb or xdotool missing: tst_uguali_x left out")
endif()
