# Included by zt_area_tests. The Windows tests talk over a null-modem pair (ports of their
# own, so they can run beside the serial tests in the same prefix): wine.rotator against a
# scripted peer, wine.rotator.gs232sim (and .gs232sim-b, the simulator answering as a
# GS-232B; .pulled, its adapter pulled by tty-fault) against the native simulator on the far
# end, whose path the Windows tree cannot build and so takes from ZT_GS232SIM.
if(WIN32)
    set(ZT_GS232SIM ${CMAKE_SOURCE_DIR}/build/native/tools/gs232sim/gs232sim
        CACHE FILEPATH "The native gs232sim the Windows rotator tests run against")
    set(null_modem ${CMAKE_SOURCE_DIR}/scripts/lib/null-modem --prefix ${ZT_WINEPREFIX})
    add_test(NAME ${ZT_TEST_PREFIX}.${area}
             COMMAND ${null_modem} --ports com6,com7 -- ${CMAKE_CROSSCOMPILING_EMULATOR}
                     $<TARGET_FILE:${target}> --gtest_filter=-Gs232Sim*)
    add_test(NAME ${ZT_TEST_PREFIX}.${area}.gs232sim
             COMMAND ${null_modem} --ports com4,com5 -- ${CMAKE_SOURCE_DIR}/tests/rotator/with-gs232sim
                     ${ZT_GS232SIM} -- ${CMAKE_CROSSCOMPILING_EMULATOR}
                     $<TARGET_FILE:${target}> --gtest_filter=Gs232Sim.*)
    add_test(NAME ${ZT_TEST_PREFIX}.${area}.gs232sim-b
             COMMAND ${null_modem} --ports com12,com13 -- ${CMAKE_SOURCE_DIR}/tests/rotator/with-gs232sim
                     ${ZT_GS232SIM} --reply-style b -- ${CMAKE_CROSSCOMPILING_EMULATOR}
                     $<TARGET_FILE:${target}> --gtest_filter=Gs232SimB.*)
    # Set here as well as in tools/tty-fault, which is configured after the tests.
    set(ZT_TTY_FAULT ${CMAKE_SOURCE_DIR}/build/native/tools/tty-fault/libzt-tty-fault.so
        CACHE FILEPATH "The native tty-fault library the Windows tests preload into Wine")
    add_test(NAME ${ZT_TEST_PREFIX}.${area}.pulled
             COMMAND ${null_modem} --ports com14,com15 -- ${CMAKE_SOURCE_DIR}/tests/rotator/with-gs232sim
                     ${ZT_GS232SIM} -- ${CMAKE_SOURCE_DIR}/tests/rotator/with-tty-fault ${ZT_TTY_FAULT}
                     -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}>
                     --gtest_filter=Gs232SimPulled.*)
    set_tests_properties(${ZT_TEST_PREFIX}.${area}.gs232sim ${ZT_TEST_PREFIX}.${area}.gs232sim-b
                         ${ZT_TEST_PREFIX}.${area}.pulled PROPERTIES TIMEOUT 180)
else()
    add_test(NAME ${ZT_TEST_PREFIX}.${area} COMMAND ${target})
endif()
set_tests_properties(${ZT_TEST_PREFIX}.${area} PROPERTIES TIMEOUT 180)
