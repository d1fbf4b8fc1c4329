# Hostile scripts: extreme counts, rates and percentages, empty fields, huge texts and odd files
# in every mode. selvane-cli must finish each one with status 0 and a well-formed JSON line for
# every dump (and the facts a script states about its dumps). Included from tests/CMakeLists.txt.
add_executable(selvane_hostile_check ${CMAKE_CURRENT_LIST_DIR}/hostile_check.cpp)
target_link_libraries(selvane_hostile_check PRIVATE selvane_core) # core/fields.h
add_dependencies(selvane_hostile_check selvane-cli)

file(GLOB SELVANE_HOSTILE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.script)
foreach(script IN LISTS SELVANE_HOSTILE_SCRIPTS)
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME hostile.${name}
           COMMAND selvane_hostile_check $<TARGET_FILE:selvane-cli> ${Selvane_SOURCE_DIR}/help
                   ${CMAKE_CURRENT_LIST_DIR}/files ${script})
  set_tests_properties(hostile.${name} PROPERTIES ENVIRONMENT "${SELVANE_TEST_ENV}"
                       LABELS hostile TIMEOUT 600)
endforeach()

# The fuzz targets' kept corpora, replayed with this build's compiler.
include(${Selvane_SOURCE_DIR}/fuzz/regression.cmake)
