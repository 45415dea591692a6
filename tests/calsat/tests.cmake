include(${CMAKE_SOURCE_DIR}/tools/calsat-sim/core.cmake)
target_link_libraries(${target} PRIVATE calsat_sim_core)
target_compile_definitions(${target} PRIVATE
    ZT_SCENARIOS_DIR="${CMAKE_SOURCE_DIR}/tools/calsat-sim/scenarios")
if(WIN32)
    # The Windows tests also run the stand-in as a program of its own.
    target_compile_definitions(${target} PRIVATE ZT_CALSAT_SIM_EXE="$<TARGET_FILE:calsat-sim>")
    add_dependencies(${target} calsat-sim)
    # Links as the file system holds them: Wine cannot create them itself.
    set(links ${CMAKE_BINARY_DIR}/calsat-links)
    file(MAKE_DIRECTORY ${links}/folder)
    file(TOUCH ${links}/target.ini)
    file(CREATE_LINK target.ini ${links}/to-file.ini RESULT ignored SYMBOLIC)
    file(CREATE_LINK folder ${links}/to-folder.ini RESULT ignored SYMBOLIC)
    file(CREATE_LINK gone.ini ${links}/dangling.ini RESULT ignored SYMBOLIC)
    target_compile_definitions(${target} PRIVATE ZT_LINKS_DIR="${links}")
endif()
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
