# The two window definitions as data.
add_library(korvane_definitions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/main_window_ids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_definition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notice_window_definition.cpp
)
target_include_directories(korvane_definitions PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(korvane_definitions PUBLIC korvane_assets Qt6::Gui)
