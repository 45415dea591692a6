# The portable part of calsat-sim (orbit, passes, scenario), also built natively for tests.
if(NOT TARGET calsat_sim_core)
    add_library(calsat_sim_core STATIC
        ${CMAKE_CURRENT_LIST_DIR}/Orbit.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Passes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ScriptedTrack.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Scenario.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SimOptions.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Sky.cpp)
    target_include_directories(calsat_sim_core PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(calsat_sim_core PUBLIC zt_platform)
    zt_warnings(calsat_sim_core)
endif()
