# The Firmware page, the release notes and zu6400ctl firmware.
zu_test(test_firmware_cli FirmwareCliTest.cpp)
target_link_libraries(test_firmware_cli PRIVATE zu_ctl_runner)

zu_test(test_ui_firmware FirmwarePageTest.cpp UiTestSupport.cpp UiTestSupport.h LoaderTestSupport.cpp LoaderTestSupport.h)
target_link_libraries(test_ui_firmware PRIVATE zu_ui zu_ftp_test_server zu_ctl_runner)
