# The Firmware page and the release notes.
zu_test(test_ui_firmware firmware/FirmwarePageTest.cpp support/UiTestSupport.cpp support/UiTestSupport.h support/LoaderTestSupport.cpp support/LoaderTestSupport.h)
target_link_libraries(test_ui_firmware PRIVATE zu_ui zu_ftp_test_server zu_ctl_runner)
