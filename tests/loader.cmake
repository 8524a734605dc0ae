# The firmware loader: machine and dialog.
set(_loader_support LoaderTestSupport.cpp LoaderTestSupport.h)
zu_test(test_loader_machine LoaderMachineTest.cpp ${_loader_support})

zu_test(test_loader_dialog LoaderDialogTest.cpp ${_loader_support})
target_link_libraries(test_loader_dialog PRIVATE zu_ui)

