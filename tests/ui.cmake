# Desktop program tests; widgets run on the offscreen platform.
set(_ui_support UiTestSupport.cpp UiTestSupport.h)
zu_test(test_ui_window MainWindowTest.cpp ${_ui_support})
zu_test(test_ui_port PortPageTest.cpp ${_ui_support})
zu_test(test_ui_tester CommandTesterTest.cpp ${_ui_support})
zu_test(test_ui_views LogViewTest.cpp RtfReaderTest.cpp AboutTest.cpp)
foreach(_t test_ui_window test_ui_port test_ui_tester test_ui_views)
  target_link_libraries(${_t} PRIVATE zu_ui)
  target_compile_definitions(${_t} PRIVATE ZU_HELP_SOURCE_DIR="${CMAKE_SOURCE_DIR}/resources/help")
endforeach()
# The --simulate run of the desktop program.
target_link_libraries(test_ui_window PRIVATE zu_app)
