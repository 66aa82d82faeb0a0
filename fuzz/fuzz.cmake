# Fuzzing harnesses: one per reader of stored data (fuzz/fuzz_<name>.cpp),
# each with a seed corpus in fuzz/corpus/<name>/. In the normal build every
# harness is linked with a replay main and its corpus is replayed once as an
# ordinary test, so an input that once crashed a reader keeps being tried.
# With PINNOLE_FUZZ (clang) they are libFuzzer programs, built with
# AddressSanitizer and UndefinedBehaviorSanitizer; scripts/fuzz.sh runs them.
set(PINNOLE_FUZZ_HARNESSES
  impostazioni:logic accesso:logic testo:logic lingua:logic registro:logic utenti:logic rtf:logic
  casa:ui personaggio:ui)

if(PINNOLE_FUZZ)
  add_custom_target(fuzz)
endif()
foreach(voce IN LISTS PINNOLE_FUZZ_HARNESSES)
  string(REPLACE ":" ";" parti ${voce})
  list(GET parti 0 nome)
  list(GET parti 1 strato)
  if(PINNOLE_FUZZ)
    add_executable(fuzz_${nome} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_${nome}.cpp)
    target_link_options(fuzz_${nome} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzz fuzz_${nome})
  elseif(PINNOLE_BUILD_TESTS)
    add_executable(fuzz_${nome} ${CMAKE_SOURCE_DIR}/fuzz/fuzz_${nome}.cpp ${CMAKE_SOURCE_DIR}/fuzz/replay.cpp)
    add_test(NAME ${strato}-fuzz-${nome}
      COMMAND fuzz_${nome} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${nome})
    set_tests_properties(${strato}-fuzz-${nome} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
  else()
    continue()
  endif()
  if(strato STREQUAL "ui")
    target_link_libraries(fuzz_${nome} PRIVATE pinnole_ui)
  else()
    target_link_libraries(fuzz_${nome} PRIVATE pinnole_logic)
  endif()
endforeach()
