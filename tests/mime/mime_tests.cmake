# Scenario files on the desktop: their MIME type names real scenarios, and an install holds the
# type, its file icons and a desktop entry that claims it. Included from tests/CMakeLists.txt.
# The scripts call these by name; found here so a machine without them fails at configure time.
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
find_program(GIO gio REQUIRED)
add_executable(selvane_mime_probe ${CMAKE_CURRENT_LIST_DIR}/mime_probe.cpp)
target_link_libraries(selvane_mime_probe PRIVATE Qt6::Core)

add_test(NAME MimeType.NamesSavedScenarios
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/mime_database_test.sh
                 ${Selvane_SOURCE_DIR}/resources/desktop/selvane-scenario.xml
                 $<TARGET_FILE:selvane_mime_probe> $<TARGET_FILE:selvane-cli>)
set_tests_properties(MimeType.NamesSavedScenarios PROPERTIES ENVIRONMENT "${SELVANE_TEST_ENV}")
add_test(NAME Install.ClaimsScenarioFiles
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install_test.sh ${CMAKE_BINARY_DIR}
                 ${Selvane_SOURCE_DIR})
