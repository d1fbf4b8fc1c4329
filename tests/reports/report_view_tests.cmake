# Tests of the report view; needs the selvane_report_view target from src/reports/report_view.cmake.
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
add_executable(report_view_test ${CMAKE_CURRENT_LIST_DIR}/report_view_test.cpp)
target_link_libraries(report_view_test PRIVATE selvane_report_view selvane_core Qt6::Widgets Qt6::Test)
set_target_properties(report_view_test PROPERTIES AUTOMOC ON)
add_test(NAME report_view_test COMMAND report_view_test)
set_tests_properties(report_view_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=en_US.UTF-8")
