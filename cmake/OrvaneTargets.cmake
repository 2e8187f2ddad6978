# Helpers shared by every CMakeLists of the project.

function(orvane_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    # GCC 12 at -O3 reports impossible overlaps inside std::string concatenation (its bug
    # 105329); the warning says nothing about our code there.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(ORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The core folders are plain C++: they must not link Qt (tests/CMakeLists.txt also runs
# cmake/CheckCoreHasNoQt.cmake on their sources).
function(orvane_check_no_qt target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt")
            message(FATAL_ERROR "${target} is core code and must not link ${lib}")
        endif()
    endforeach()
endfunction()

# A core static library: orvane_core_library(name SOURCES ... DEPENDS ...)
function(orvane_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    orvane_warnings(${name})
endfunction()
