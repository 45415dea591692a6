add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
if(WIN32)
    # A settings file reached through a link, as the file system holds it: Wine cannot
    # create links itself. Made afresh before each run, since a faulty save replaces it.
    set(links ${CMAKE_BINARY_DIR}/settings-links)
    file(MAKE_DIRECTORY ${links}/real)
    target_compile_definitions(${target} PRIVATE ZT_SETTINGS_LINKS_DIR="${links}")
    add_test(NAME ${ZT_TEST_PREFIX}.${area}.link
             COMMAND ${CMAKE_COMMAND} -E create_symlink real/zenitrack.xml ${links}/zenitrack.xml)
    set_tests_properties(${ZT_TEST_PREFIX}.${area}.link PROPERTIES FIXTURES_SETUP settings-link)
    set_tests_properties(${ZT_TEST_PREFIX}.${area} PROPERTIES FIXTURES_REQUIRED settings-link)
endif()
