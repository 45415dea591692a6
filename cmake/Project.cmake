# Shared helpers for the project's targets.

set(ZT_WARNINGS -Wall -Wextra)
# GCC 12 at -O2 reports std::string's operator+ with a literal as an overlapping memcpy
# (a known false positive of that release), which would bury real warnings.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND ZT_WARNINGS -Wno-restrict)
endif()

function(zt_warnings target)
    target_compile_options(${target} PRIVATE ${ZT_WARNINGS})
endfunction()

# zt_library(name FOLDER dir [INCLUDE regex] [EXCLUDE regex] | FILES f... [DEPS t...])
# Globs the folder's .cpp files (not recursive). A folder without sources yields an
# interface library, so targets can depend on it before it has code.
function(zt_library name)
    cmake_parse_arguments(A "" "FOLDER;INCLUDE;EXCLUDE" "FILES;DEPS" ${ARGN})
    set(srcs)
    if(A_FOLDER)
        file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${A_FOLDER}/*.cpp)
        if(A_INCLUDE)
            list(FILTER srcs INCLUDE REGEX "${A_INCLUDE}")
        endif()
        if(A_EXCLUDE)
            list(FILTER srcs EXCLUDE REGEX "/(${A_EXCLUDE})[^/]*$")
        endif()
    endif()
    foreach(f ${A_FILES})
        if(EXISTS ${CMAKE_SOURCE_DIR}/${f})
            list(APPEND srcs ${CMAKE_SOURCE_DIR}/${f})
        endif()
    endforeach()
    if(srcs)
        add_library(${name} STATIC ${srcs})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${A_DEPS})
        zt_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${A_DEPS})
    endif()
endfunction()
