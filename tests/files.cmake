# Configuration files and firmware images: readers, writer, and the replay of
# the fuzzers' seed corpora.
zu_test(test_config_file files/ConfigurationFileTest.cpp)

zu_test(test_firmware_image files/FirmwareImageTest.cpp)
target_link_libraries(test_firmware_image PRIVATE zu_firmware)

zu_test(test_fuzz_replay files/FuzzReplayTest.cpp fuzz/FuzzEntries.cpp fuzz/FuzzEntries.h)
target_link_libraries(test_fuzz_replay PRIVATE zu_firmware)
target_compile_definitions(test_fuzz_replay PRIVATE ZU_FUZZ_CORPUS="${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus")

if(ZU_FUZZ)
  add_subdirectory(fuzz)
endif()

zu_test(test_firmware_scan files/FirmwareFolderScanTest.cpp)
target_link_libraries(test_firmware_scan PRIVATE zu_firmware)
