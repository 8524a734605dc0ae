# The download of new firmware from an FTP server.
zu_test(test_ftp_listing FtpListingTest.cpp)
target_link_libraries(test_ftp_listing PRIVATE zu_firmware)
