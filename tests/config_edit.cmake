# The stored configuration's edit, erase and factory-reset jobs and their rules.
zu_test(test_edit_configuration configuration/EditConfigurationTest.cpp)
