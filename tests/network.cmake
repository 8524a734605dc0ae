# Network serial ports: the Telnet framing alone, then every job through a
# real ser2net and through the fault station (pyserial's RFC 2217 server).
add_library(zu_network_stations STATIC Ser2NetServer.cpp Ser2NetServer.h FaultStation.cpp FaultStation.h)
target_link_libraries(zu_network_stations PUBLIC zu_testmain Qt6::Network)
target_compile_definitions(zu_network_stations PRIVATE
  ZU_FAULT_STATION_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/rfc2217_test_server.py")

zu_test(test_network_port TelnetCodecTest.cpp NetworkPortTest.cpp LoaderTestSupport.cpp
        LoaderTestSupport.h)
target_link_libraries(test_network_port PRIVATE zu_network_stations)

zu_test(test_network_cli NetworkCliTest.cpp)
target_link_libraries(test_network_cli PRIVATE zu_network_stations zu_ctl_runner)

# Not a pass/fail test: prints a paced save and load through ser2net against the local port.
add_executable(network_benchmark NetworkBenchmark.cpp TestSupport.cpp LoaderTestSupport.cpp Ser2NetServer.cpp
               FaultStation.cpp)
target_link_libraries(network_benchmark PRIVATE zu_machines zu_sim Qt6::Core Qt6::Network GTest::gtest)
target_include_directories(network_benchmark PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(network_benchmark PRIVATE
  ZU_FAULT_STATION_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/rfc2217_test_server.py")
add_test(NAME network_benchmark COMMAND network_benchmark)
set_tests_properties(network_benchmark PROPERTIES LABELS benchmark)
