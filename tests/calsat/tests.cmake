include(${CMAKE_SOURCE_DIR}/tools/calsat-sim/core.cmake)
target_link_libraries(${target} PRIVATE calsat_sim_core)
target_compile_definitions(${target} PRIVATE
    ZT_SCENARIOS_DIR="${CMAKE_SOURCE_DIR}/tools/calsat-sim/scenarios")
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
