# The firmware loader: machine and dialog.
set(_loader_support support/LoaderTestSupport.cpp support/LoaderTestSupport.h)
zu_test(test_loader_machine firmware/LoaderMachineTest.cpp ${_loader_support})

zu_test(test_loader_dialog firmware/LoaderDialogTest.cpp ${_loader_support})
target_link_libraries(test_loader_dialog PRIVATE zu_ui)

