# Included by zt_area_tests: the Windows tests run on a null-modem pair of COM ports.
if(WIN32)
    add_test(NAME ${ZT_TEST_PREFIX}.${area}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/lib/null-modem --prefix ${ZT_WINEPREFIX}
                     -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>)
else()
    add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
endif()
set_tests_properties(${ZT_TEST_PREFIX}.${area} PROPERTIES TIMEOUT 120)
