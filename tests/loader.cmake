# The firmware loader: machine, dialog and zu6400ctl flash.
set(_loader_support LoaderTestSupport.cpp LoaderTestSupport.h)
zu_test(test_loader_machine LoaderMachineTest.cpp ${_loader_support})

zu_test(test_loader_dialog LoaderDialogTest.cpp ${_loader_support})
target_link_libraries(test_loader_dialog PRIVATE zu_ui)

zu_test(test_loader_cli FlashCliTest.cpp ${_loader_support})
target_link_libraries(test_loader_cli PRIVATE zu_ctl_runner zu_cli)

