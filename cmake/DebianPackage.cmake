# A Debian package of what `cmake --install` puts on a machine, built by
# scripts/package.sh with CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavolin)
set(CPACK_PACKAGE_VENDOR "The Tavolin developers")
set(CPACK_PACKAGE_CONTACT "Tavolin <tavolin@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavolin.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card game with eight Columns, four Rooms and four Piles")
set(CPACK_PACKAGE_DESCRIPTION "One pack of 52 cards is dealt face up into eight Columns; every card \
has to reach its Pile, from Ace up to King, by way of the Columns and four Rooms that hold one card each.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The libraries the program and its card library link, found by dpkg-shlibdeps;
# Qt's X11 platform plugin and a font are loaded at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
include(CPack)
