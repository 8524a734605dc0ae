# The poll loop, the readings history and log, and zu6400ctl watch.
zu_test(test_poll_loop PollLoopTest.cpp)
