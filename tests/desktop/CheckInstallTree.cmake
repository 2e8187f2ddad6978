# Installs the build into a private prefix and checks that the pieces find each other: the
# entry starts an installed binary, names an installed icon and the shipped MIME type, and
# the metainfo launches that entry.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${errors}")
endif()

set(share ${PREFIX}/share)
set(expected
    bin/orvane-cli
    lib/systemd/user/orvane-sync@.service
    lib/systemd/user/orvane-sync@.timer
    share/applications/${APPID}.desktop
    share/metainfo/${APPID}.metainfo.xml
    share/mime/packages/${APPID}.xml
    share/icons/hicolor/scalable/apps/${APPID}.svg)
if(GUI)
    list(APPEND expected
        bin/orvane
        share/icons/hicolor/48x48/apps/${APPID}.png
        share/icons/hicolor/256x256/apps/${APPID}.png
        share/orvane/beep.wav
        share/orvane/html/Introduction.htm
        share/orvane/html/csvimport.htm
        share/orvane/artwork/orvane.svg
        share/orvane/artwork/transfer.svg)
endif()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(STRINGS ${share}/applications/${APPID}.desktop entry)
foreach(line IN LISTS entry)
    if(line MATCHES "^Exec=([^ ]+)")
        set(exec ${CMAKE_MATCH_1})
    elseif(line MATCHES "^Icon=(.+)$")
        set(icon ${CMAKE_MATCH_1})
    elseif(line MATCHES "^MimeType=([^;]+);")
        set(mimetype ${CMAKE_MATCH_1})
    endif()
endforeach()
if(GUI AND NOT EXISTS ${PREFIX}/bin/${exec})
    message(FATAL_ERROR "the entry starts '${exec}', which is not installed in bin")
endif()
if(NOT icon STREQUAL APPID)
    message(FATAL_ERROR "the entry's icon '${icon}' is not the installed ${APPID}")
endif()
file(READ ${share}/mime/packages/${APPID}.xml mime)
if(NOT mime MATCHES "type=\"${mimetype}\"")
    message(FATAL_ERROR "the entry opens '${mimetype}', which the MIME package does not define")
endif()
file(READ ${share}/metainfo/${APPID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<id>${APPID}</id>" OR
   NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APPID}.desktop</launchable>")
    message(FATAL_ERROR "the metainfo does not name ${APPID} and its entry")
endif()
