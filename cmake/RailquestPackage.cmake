# The Debian package made by `cpack -G DEB` (scripts/package): what cmake --install puts in place, with
# the run-time dependencies computed from the executable by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "railquest")
set(CPACK_PACKAGE_VENDOR "The Railquest developers")
set(CPACK_PACKAGE_CONTACT "The Railquest developers <railquest@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time rail adventure: find and destroy the fuzzbomb")
set(CPACK_PACKAGE_DESCRIPTION
    "Ride the trains of a 200-city rail network of the United States to find and\n"
    "destroy the fuzzbomb, while the fuzz spreads from city to city with the\n"
    "travellers. In each city you walk a side-view street among citizens and\n"
    "fuzzies, collecting and handing out crystals. Carry exactly 100 crystals into\n"
    "the fuzzbomb to save the country.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://railquest.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_GENERATOR "DEB")
include(CPack)
