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

# zt_library(name FOLDER dir [INCLUDE regex] [EXCLUDE regex] | FILES f... [DEPS t...]
#            [PRIVATE t...])
# Globs the folder's .cpp and .h files (not recursive). DEPS are what its headers use too,
# PRIVATE what only its sources use. A library without sources is an interface library,
# so targets can depend on it before it has code. Each library's files and dependencies go
# to the layer table (zt_write_layers) that scripts/check-layers checks the includes against.
function(zt_library name)
    cmake_parse_arguments(A "" "FOLDER;INCLUDE;EXCLUDE" "FILES;DEPS;PRIVATE" ${ARGN})
    set(files)
    if(A_FOLDER)
        file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${A_FOLDER}/*.cpp
             ${CMAKE_SOURCE_DIR}/${A_FOLDER}/*.h)
        if(A_INCLUDE)
            list(FILTER files INCLUDE REGEX "${A_INCLUDE}")
        endif()
        if(A_EXCLUDE)
            list(FILTER files EXCLUDE REGEX "/(${A_EXCLUDE})[^/]*$")
        endif()
    endif()
    foreach(f ${A_FILES})
        if(EXISTS ${CMAKE_SOURCE_DIR}/${f})
            list(APPEND files ${CMAKE_SOURCE_DIR}/${f})
        endif()
    endforeach()
    set(srcs ${files})
    list(FILTER srcs INCLUDE REGEX "\\.cpp$")
    if(srcs)
        add_library(${name} STATIC ${srcs})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${A_DEPS} PRIVATE ${A_PRIVATE})
        zt_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${A_DEPS} ${A_PRIVATE})
    endif()
    list(TRANSFORM files REPLACE "^${CMAKE_SOURCE_DIR}/" "")
    string(JOIN " " deps ${A_DEPS} ${A_PRIVATE})
    string(JOIN " " paths ${files})
    set_property(GLOBAL APPEND PROPERTY ZT_LAYERS "${name}: ${deps} | ${paths}")
endfunction()

# One line per library: "name: its dependencies | its files".
function(zt_write_layers path)
    get_property(layers GLOBAL PROPERTY ZT_LAYERS)
    string(JOIN "\n" text ${layers})
    file(WRITE ${path} "${text}\n")
endfunction()
