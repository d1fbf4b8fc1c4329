# Replays the kept corpus of every fuzz target as an ordinary test: each target's entry function
# is built with this build's compiler (no clang or libFuzzer needed) into a driver that feeds it
# every file of fuzz/corpus/TARGET/. Included by tests/hostile/hostile_tests.cmake.
set(SELVANE_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
foreach(target field_text scenario_reader help_topic cli_script paper_text what_if_text
               recent_files statement_reader)
  add_executable(selvane_replay_${target} ${SELVANE_FUZZ_DIR}/${target}_fuzz.cpp
                 ${SELVANE_FUZZ_DIR}/replay_main.cpp)
  target_link_libraries(selvane_replay_${target} PRIVATE selvane_cli)
  target_compile_definitions(selvane_replay_${target} PRIVATE
    SELVANE_HELP_DIR="${Selvane_SOURCE_DIR}/help")
  add_test(NAME fuzz_regression.${target}
           COMMAND selvane_replay_${target} ${SELVANE_FUZZ_DIR}/corpus/${target})
  set_tests_properties(fuzz_regression.${target} PROPERTIES ENVIRONMENT "${SELVANE_TEST_ENV}"
                       LABELS fuzz_regression)
endforeach()
