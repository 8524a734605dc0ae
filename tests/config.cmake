# Stored configuration: the simulated tuner's memories, save, restore and the fault log.
zu_test(test_config_jobs configuration/ConfigJobsTest.cpp)

