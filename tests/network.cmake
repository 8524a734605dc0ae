# Network serial ports: the Telnet framing alone, then every job through a
# real ser2net and through the fault station (pyserial's RFC 2217 server).
add_library(zu_network_stations STATIC support/Ser2NetServer.cpp support/Ser2NetServer.h support/FaultStation.cpp support/FaultStation.h)
target_link_libraries(zu_network_stations PUBLIC zu_testmain Qt6::Network)
target_compile_definitions(zu_network_stations PRIVATE
  ZU_FAULT_STATION_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/support/rfc2217_test_server.py")

zu_test(test_network_port network/TelnetCodecTest.cpp network/NetworkPortTest.cpp support/LoaderTestSupport.cpp
        support/LoaderTestSupport.h)
target_link_libraries(test_network_port PRIVATE zu_network_stations)

zu_test(test_network_cli network/NetworkCliTest.cpp)
target_link_libraries(test_network_cli PRIVATE zu_network_stations zu_ctl_runner)

