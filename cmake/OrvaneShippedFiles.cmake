# The files the program finds beside itself: the default alarm sound, the help pages and
# the artwork.
# They are copied next to the built program and installed under the data folder.
set(ORVANE_SHIPPED_SOUND ${PROJECT_SOURCE_DIR}/resources/beep.wav)
file(GLOB ORVANE_SHIPPED_HELP CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/html/*.htm
     ${PROJECT_SOURCE_DIR}/resources/html/*.css)

function(orvane_ship_beside target)
    get_target_property(dir ${target} BINARY_DIR)
    configure_file(${ORVANE_SHIPPED_SOUND} ${dir}/beep.wav COPYONLY)
    foreach(page ${ORVANE_SHIPPED_HELP})
        get_filename_component(name ${page} NAME)
        configure_file(${page} ${dir}/html/${name} COPYONLY)
    endforeach()
    install(FILES ${ORVANE_SHIPPED_SOUND} DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane)
    install(FILES ${ORVANE_SHIPPED_HELP} DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane/html)
    # The pictures are built in too; the installed files let a packager replace them.
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/orvane.svg
                  ${PROJECT_SOURCE_DIR}/resources/wizard/transfer.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane/artwork)
endfunction()
