# `make package`: a Debian package of the installed tree. The run-time dependencies are
# worked out from the binaries by dpkg-shlibdeps, so they follow whatever the build linked.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR Kestrow)
set(CPACK_PACKAGE_CONTACT "Kestrow <orvane@kestrow.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal organizer: calendar, tasks, appointments, phone book")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Orvane! keeps a month calendar, the tasks and appointments of each day and a phone book\n"
    "with White Pages and Yellow Pages in one window, with appointment alarms, delimited text\n"
    "import and export, and printed reports. Everything is kept in one XML file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kestrow.example.com/orvane")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found at run time, so invisible to dpkg-shlibdeps: the font the reports prefer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_STRIP_FILES ON)
include(CPack)
