# The firmware loader: machine, dialog and zu6400ctl flash.
set(_loader_support LoaderTestSupport.cpp LoaderTestSupport.h)
zu_test(test_loader_machine LoaderMachineTest.cpp ${_loader_support})
