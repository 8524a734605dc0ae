# The readings history and log, and zu6400ctl watch.
zu_test(test_readings operate/ReadingsTest.cpp support/ReadingsTestSupport.h)

zu_test(test_watch_cli operate/WatchCliTest.cpp)
target_link_libraries(test_watch_cli PRIVATE zu_ctl_runner)

zu_test(test_history_chart operate/HistoryChartTest.cpp support/UiTestSupport.cpp support/UiTestSupport.h)
target_link_libraries(test_history_chart PRIVATE zu_ui)
target_compile_definitions(test_history_chart PRIVATE ZU_HELP_SOURCE_DIR="${CMAKE_SOURCE_DIR}/resources/help")

