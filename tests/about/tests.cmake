# The Windows test reads the product's own version resource, embedded here as in the exe.
if(WIN32)
    set(rc_obj ${CMAKE_CURRENT_BINARY_DIR}/test_about_rc.o)
    add_custom_command(OUTPUT ${rc_obj}
        COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${CMAKE_SOURCE_DIR}/app/zenitrack.rc -o ${rc_obj}
        DEPENDS ${CMAKE_SOURCE_DIR}/app/zenitrack.rc)
    set_source_files_properties(${rc_obj} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
    target_sources(${target} PRIVATE ${rc_obj})
endif()
add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
