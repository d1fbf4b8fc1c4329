# The desktop window: Qt Widgets and PrintSupport over the headless core. Included from
# src/CMakeLists.txt when the window is built.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)

if(NOT TARGET selvane_report_view)
  include(${CMAKE_CURRENT_LIST_DIR}/reports/report_view.cmake)
endif()

add_library(selvane_ui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/window/field_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/qt_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window/frm_fincalc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about/sysinfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about/frm_about.cpp
  ${PROJECT_SOURCE_DIR}/resources/selvane.qrc
)
set_target_properties(selvane_ui PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(selvane_ui PUBLIC selvane_print selvane_report_view
                      Qt6::Widgets Qt6::PrintSupport)

add_executable(selvane ${CMAKE_CURRENT_LIST_DIR}/app/main.cpp)
target_link_libraries(selvane PRIVATE selvane_ui)

# Writes docs/screenshot.png for `make screenshot`; not part of the installed program.
add_executable(selvane-screenshot ${CMAKE_CURRENT_LIST_DIR}/app/screenshot_main.cpp)
target_link_libraries(selvane-screenshot PRIVATE selvane_ui)

if(TARGET selvane_help)
  add_dependencies(selvane selvane_help)
  add_dependencies(selvane-screenshot selvane_help)
endif()
