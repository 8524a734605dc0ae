# The download of new firmware from an FTP server: a real pyftpdlib server on
# 127.0.0.1 under the system's python3, started by each test.
find_package(Qt6 REQUIRED COMPONENTS Network)
add_library(zu_ftp_test_server STATIC support/FtpTestServer.cpp support/FtpTestServer.h)
target_link_libraries(zu_ftp_test_server PUBLIC zu_testmain Qt6::Network)
target_compile_definitions(zu_ftp_test_server PRIVATE
  ZU_FTP_SERVER_SCRIPT="${CMAKE_CURRENT_SOURCE_DIR}/support/ftp_test_server.py")

zu_test(test_firmware_download firmware/FirmwareDownloadTest.cpp)
target_link_libraries(test_firmware_download PRIVATE zu_ftp_test_server)

zu_test(test_ui_ftp firmware/FtpDialogTest.cpp support/UiTestSupport.cpp support/UiTestSupport.h)
target_link_libraries(test_ui_ftp PRIVATE zu_ftp_test_server zu_ui)

zu_test(test_download_cli firmware/DownloadCliTest.cpp)
target_link_libraries(test_download_cli PRIVATE zu_ftp_test_server zu_ctl_runner)
