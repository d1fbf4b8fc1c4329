# The report view widget; included by the build that makes the window.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(selvane_report_view STATIC ${CMAKE_CURRENT_LIST_DIR}/report_view.cpp
                                       ${CMAKE_CURRENT_LIST_DIR}/report_view.h)
target_link_libraries(selvane_report_view PUBLIC selvane_core Qt6::Widgets)
target_compile_features(selvane_report_view PUBLIC cxx_std_20)
set_target_properties(selvane_report_view PROPERTIES AUTOMOC ON)
