pinnole_x11_test(tasti_x11 "" ${PINNOLE_TEST_DIR}/tst_tasti_x11.cpp)
# Linked as the program is, so that the splash opens the sound module as the
# program does while the key is held.
pinnole_con_moduli(tst_tasti_x11)
# The same where the X server refuses detectable auto-repeat: releases wait.
add_test(NAME ui-tasti_x11_coppie COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/con-xvfb.sh $<TARGET_FILE:tst_tasti_x11>)
set_tests_properties(ui-tasti_x11_coppie PROPERTIES TIMEOUT 240 ENVIRONMENT "PINNOLE_RIPETIZIONI=coppie")
