# Included by zt_area_tests: the Windows tests talk to a scripted peer over a null-modem
# pair (ports of their own, so they can run beside the serial tests in the same prefix).
if(WIN32)
    add_test(NAME ${ZT_TEST_PREFIX}.${area}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/lib/null-modem --prefix ${ZT_WINEPREFIX}
                     --ports com6,com7 -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>)
else()
    add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
endif()
set_tests_properties(${ZT_TEST_PREFIX}.${area} PROPERTIES TIMEOUT 180)
