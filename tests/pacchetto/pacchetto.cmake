# The Debian package: built by dpkg-buildpackage from a copy of the source
# tree, checked by lintian, installed into a throw-away root and started there
# as root and as an ordinary user; the package's files must stay unchanged.
add_test(NAME ui-pacchetto COMMAND ${PINNOLE_TEST_DIR}/pacchetto.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(ui-pacchetto PROPERTIES TIMEOUT 900)

# The splash and the menu laid out with only the fonts the package declares.
add_executable(righe_menu ${PINNOLE_TEST_DIR}/righe_menu.cpp)
target_link_libraries(righe_menu PRIVATE pinnole_ui pinnole_testsupport Qt6::Test)
add_dependencies(righe_menu program_folder)
add_test(NAME ui-caratteri
  COMMAND ${PINNOLE_TEST_DIR}/caratteri.sh $<TARGET_FILE:righe_menu> ${PINNOLE_TEST_DIR}/../con-xvfb.sh
          ${CMAKE_SOURCE_DIR}/debian/control)
set_tests_properties(ui-caratteri PROPERTIES TIMEOUT 300)
