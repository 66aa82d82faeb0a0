# The Debian package, unpacked and started on a private X server.
add_test(NAME ui-pacchetto
  COMMAND ${PINNOLE_TEST_DIR}/pacchetto.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
set_tests_properties(ui-pacchetto PROPERTIES TIMEOUT 300)
