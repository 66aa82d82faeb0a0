# The real program under a headless Wayland compositor (sway), natively and
# through XWayland, driven by a virtual keyboard of our own: con-sway.sh
# starts the compositor as an ordinary user and stops it when the run ends.
find_program(PINNOLE_SWAY sway)
find_program(PINNOLE_WAYLAND_SCANNER wayland-scanner)
pkg_check_modules(PINNOLE_WAYLAND_CLIENT IMPORTED_TARGET wayland-client xkbcommon)
if(PINNOLE_SWAY AND PINNOLE_WAYLAND_SCANNER AND PINNOLE_WAYLAND_CLIENT_FOUND)
  enable_language(C)
  set(protocollo ${PINNOLE_TEST_DIR}/virtual-keyboard-unstable-v1.xml)
  set(generati ${CMAKE_CURRENT_BINARY_DIR}/wayland)
  file(MAKE_DIRECTORY ${generati})
  add_custom_command(
    OUTPUT ${generati}/virtual-keyboard-unstable-v1-client-protocol.h ${generati}/virtual-keyboard-unstable-v1.c
    COMMAND ${PINNOLE_WAYLAND_SCANNER} client-header ${protocollo}
            ${generati}/virtual-keyboard-unstable-v1-client-protocol.h
    COMMAND ${PINNOLE_WAYLAND_SCANNER} private-code ${protocollo} ${generati}/virtual-keyboard-unstable-v1.c
    DEPENDS ${protocollo})
  add_executable(tastiera_virtuale ${PINNOLE_TEST_DIR}/tastiera-virtuale.c
                 ${generati}/virtual-keyboard-unstable-v1.c)
  target_include_directories(tastiera_virtuale PRIVATE ${generati})
  target_link_libraries(tastiera_virtuale PRIVATE PkgConfig::PINNOLE_WAYLAND_CLIENT)
  set_target_properties(tastiera_virtuale PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  foreach(piattaforma wayland xcb)
    add_test(NAME ui-sway-${piattaforma}
             COMMAND ${PINNOLE_TEST_DIR}/con-sway.sh ${piattaforma} $<TARGET_FILE:pinnole>
                     $<TARGET_FILE:tastiera_virtuale> ${CMAKE_BINARY_DIR}/test-logs)
    set_tests_properties(ui-sway-${piattaforma} PROPERTIES TIMEOUT 240 SKIP_REGULAR_EXPRESSION "con-sway: skipped")
  endforeach()
  add_dependencies(tastiera_virtuale pinnole)
else()
  message(WARNING "sway, wayland-scanner, wayland-client or xkbcommon missing: the Wayland tests are left out")
endif()
