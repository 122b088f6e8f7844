tav_test(runner_test SOURCES unit/RunnerTest.cpp unit/CommandPlanTest.cpp)
