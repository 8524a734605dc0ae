# Desktop program tests; widgets run on the offscreen platform.
set(_ui_support support/UiTestSupport.cpp support/UiTestSupport.h)
zu_test(test_ui_window shell/MainWindowTest.cpp shell/AccessibilityTest.cpp ${_ui_support})
zu_test(test_ui_tester tester/CommandTesterTest.cpp ${_ui_support})
zu_test(test_ui_views shell/LogViewTest.cpp shell/RtfReaderTest.cpp)
foreach(_t test_ui_window test_ui_tester test_ui_views)
  target_link_libraries(${_t} PRIVATE zu_ui)
  target_compile_definitions(${_t} PRIVATE ZU_HELP_SOURCE_DIR="${CMAKE_SOURCE_DIR}/resources/help")
endforeach()
# The help pages beside the test programs, where the program looks for them.
add_custom_command(TARGET test_ui_window POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/help $<TARGET_FILE_DIR:test_ui_window>/help)
# The --simulate run of the desktop program.
target_link_libraries(test_ui_window PRIVATE zu_app)
# A run's own settings, in both front ends: zu6400ctl runs as a process.
target_sources(test_ui_window PRIVATE connection/RunSettingsTest.cpp)
target_link_libraries(test_ui_window PRIVATE zu_ctl_runner zu_ftp_test_server)

# Every text of the desktop program translated: lupdate over the sources,
# then nothing unfinished, stale or with other placeholders.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
add_test(NAME Translations COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/translations/check_translations.py
         $<TARGET_FILE:Qt6::lupdate> ${CMAKE_SOURCE_DIR} ${ZU_TRANSLATIONS} -- ${ZU_TRANSLATED_DIRS})
# The desktop program over AT-SPI, under an X server and a D-Bus session of
# its own (Debian's python3-pyatspi under the system's python3).
add_test(NAME AtSpiSmoke COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/accessibility/atspi_smoke.py
         $<TARGET_FILE:zu6400-utility>)
set_tests_properties(AtSpiSmoke PROPERTIES SKIP_RETURN_CODE 77)
