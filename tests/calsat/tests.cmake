include(${CMAKE_SOURCE_DIR}/tools/calsat-sim/core.cmake)
target_link_libraries(${target} PRIVATE calsat_sim_core)
target_compile_definitions(${target} PRIVATE
    ZT_SCENARIOS_DIR="${CMAKE_SOURCE_DIR}/tools/calsat-sim/scenarios")
if(WIN32)
    # The Windows tests also run the stand-in as a program of its own.
    target_compile_definitions(${target} PRIVATE ZT_CALSAT_SIM_EXE="$<TARGET_FILE:calsat-sim>")
    add_dependencies(${target} calsat-sim)
endif()
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
