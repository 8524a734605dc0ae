# Configuration files and firmware images: readers, writer, and the replay of
# the fuzzers' seed corpora.
zu_test(test_config_file files/ConfigurationFileTest.cpp)

zu_test(test_firmware_image files/FirmwareImageTest.cpp)
target_link_libraries(test_firmware_image PRIVATE zu_firmware)


if(ZU_FUZZ)
  add_subdirectory(fuzz)
endif()

zu_test(test_firmware_scan files/FirmwareFolderScanTest.cpp)
target_link_libraries(test_firmware_scan PRIVATE zu_firmware)
