# The readings history and log, and zu6400ctl watch.
zu_test(test_readings ReadingsTest.cpp ReadingsTestSupport.h)

zu_test(test_watch_cli WatchCliTest.cpp)
target_link_libraries(test_watch_cli PRIVATE zu_ctl_runner)

zu_test(test_history_chart HistoryChartTest.cpp UiTestSupport.cpp UiTestSupport.h)
target_link_libraries(test_history_chart PRIVATE zu_ui)
target_compile_definitions(test_history_chart PRIVATE ZU_HELP_SOURCE_DIR="${CMAKE_SOURCE_DIR}/resources/help")

