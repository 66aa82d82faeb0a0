# The test needs the exercise's sources in the logic library; say so rather
# than fail to link if the library was configured without them.
get_target_property(pinnole_logic_sources pinnole_logic SOURCES)
list(FILTER pinnole_logic_sources INCLUDE REGEX "exercises/es1/Esercizio1\\.cpp$")
if(pinnole_logic_sources)
  pinnole_logic_test(esercizio1 ${PINNOLE_TEST_DIR}/tst_esercizio1.cpp)
else()
  message(WARNING "exercises/es1 is not in pinnole_logic, test left out: tst_esercizio1")
endif()
