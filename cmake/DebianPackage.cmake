# A Debian package of what `cmake --install` puts on a machine, built by
# scripts/package.sh with CPack.

# The copyright and the change log go where Debian looks for them, with any install.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tavolin)
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/packaging/changelog
    COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/packaging/changelog
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog} DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavolin)
set(CPACK_PACKAGE_VENDOR "The Tavolin developers")
set(CPACK_PACKAGE_CONTACT "Tavolin <tavolin@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavolin.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card game with eight Columns, four Rooms and four Piles")
# Debian's lines of at most 80 characters; CPack indents them.
set(CPACK_PACKAGE_DESCRIPTION [[Tavolin is a solitaire card game for one player. One pack of 52 cards is
dealt face up into eight Columns; every card has to reach its Pile, from
Ace up to King, by way of the Columns and four Rooms that hold one card
each.

The game checks every move, finds by itself how many cards go along with
the one taken, moves safe cards to their Piles, takes the last move back
once, counts the moves that are possible, gives hints, deals numbered games
and keeps the wins, losses and streaks across games. A whole game can be
played with the keyboard, and a command-line solver tells whether a deal
can be won.]])
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The libraries the program and its card library link, found by dpkg-shlibdeps;
# Qt's X11 platform plugin and a font are loaded at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
include(CPack)
