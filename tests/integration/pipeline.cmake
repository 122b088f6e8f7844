tav_test(pipeline_test SOURCES integration/PipelineTest.cpp)
