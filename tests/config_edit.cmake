# The stored configuration's edit, erase and factory-reset jobs, their rules
# and their zu6400ctl commands.
zu_test(test_edit_configuration EditConfigurationTest.cpp ConfigurationRulesTest.cpp)
zu_test(test_erase_machines EraseMachinesTest.cpp)
