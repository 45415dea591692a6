# The Windows test reads the product's own resources, embedded here as in the exe, and
# shows the box through the real renderer.
if(WIN32)
    set(rc_obj ${CMAKE_CURRENT_BINARY_DIR}/test_about_rc.o)
    add_custom_command(OUTPUT ${rc_obj}
        COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${CMAKE_SOURCE_DIR}/app/zenitrack.rc -o ${rc_obj}
        DEPENDS ${CMAKE_SOURCE_DIR}/app/zenitrack.rc ${CMAKE_SOURCE_DIR}/app/zenitrack.ico)
    set_source_files_properties(${rc_obj} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
    target_sources(${target} PRIVATE ${rc_obj})
    target_link_libraries(${target} PRIVATE zt_ui_win32)
endif()
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
