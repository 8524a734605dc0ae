# Configuration files and firmware images: readers, writer, the zu6400ctl
# checks, and the replay of the fuzzers' seed corpora.
zu_test(test_config_file ConfigurationFileTest.cpp)

zu_test(test_firmware_image FirmwareImageTest.cpp)
target_link_libraries(test_firmware_image PRIVATE zu_firmware)
