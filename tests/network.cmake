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

