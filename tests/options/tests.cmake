# The Windows test shows the dialog through the real renderer.
if(WIN32)
    target_link_libraries(${target} PRIVATE zt_ui_win32)
endif()
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
