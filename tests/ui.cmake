# Desktop program tests; widgets run on the offscreen platform.
set(_ui_support UiTestSupport.cpp UiTestSupport.h)
zu_test(test_ui_frame MainFrameTest.cpp ${_ui_support})
zu_test(test_ui_port PortPageTest.cpp ${_ui_support})
foreach(_t test_ui_frame test_ui_port)
  target_link_libraries(${_t} PRIVATE zu_ui)
  target_compile_definitions(${_t} PRIVATE ZU_HELP_SOURCE_DIR="${CMAKE_SOURCE_DIR}/resources/help")
endforeach()
