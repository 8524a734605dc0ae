# The firmware loader: machine and dialog.
set(_loader_support LoaderTestSupport.cpp LoaderTestSupport.h)
zu_test(test_loader_machine LoaderMachineTest.cpp ${_loader_support})

zu_test(test_loader_dialog LoaderDialogTest.cpp ${_loader_support})
target_link_libraries(test_loader_dialog PRIVATE zu_ui)

# Not a pass/fail test: prints the load's time against its wire time.
add_executable(loader_benchmark LoaderBenchmark.cpp TestSupport.cpp ${_loader_support})
target_link_libraries(loader_benchmark PRIVATE zu_machines zu_sim Qt6::Core GTest::gtest)
target_include_directories(loader_benchmark PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME loader_benchmark COMMAND loader_benchmark)
set_tests_properties(loader_benchmark PROPERTIES LABELS benchmark)
