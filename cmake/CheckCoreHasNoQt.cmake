# cmake -DROOT=<source dir> -P CheckCoreHasNoQt.cmake
# Fails when a file of the plain C++ core includes a Qt header.
foreach(folder IN ITEMS data storage exchange reports platform rules interop sync)
    file(GLOB_RECURSE sources "${ROOT}/src/${folder}/*.h" "${ROOT}/src/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
        if(hits)
            message(SEND_ERROR "${source} is core code and must not include Qt: ${hits}")
        endif()
    endforeach()
endforeach()
