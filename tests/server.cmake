# zu6400ctl serve: the API and live feed in-process, the command as a
# process, and the dashboard in headless Chromium.
add_library(zu_server_support STATIC support/ServerSupport.h support/ServerSupport.cpp)
target_link_libraries(zu_server_support PUBLIC zu_testmain zu_server)

zu_test(test_server server/ServerTest.cpp)
target_link_libraries(test_server PRIVATE zu_server_support)

zu_test(test_dashboard server/DashboardTest.cpp support/HeadlessBrowser.h support/HeadlessBrowser.cpp)
target_link_libraries(test_dashboard PRIVATE zu_server_support)

zu_test(test_serve_cli server/ServeCliTest.cpp)
target_link_libraries(test_serve_cli PRIVATE zu_server_support zu_ctl_runner)

# The MQTT bridge against a real mosquitto broker the tests start.
zu_test(test_mqtt server/MqttTest.cpp support/MqttBroker.h support/MqttBroker.cpp)
target_link_libraries(test_mqtt PRIVATE zu_server_support zu_ctl_runner)
