# Installs the menu entry with the game's full path in its Exec line, as the
# game is installed, so that a menu finds the game also where its folder is
# not on the PATH (/usr/games is not on root's PATH on Debian): a menu hides an
# entry whose program it cannot find. Run at install time, by
# install(SCRIPT), with ENTRY the entry's source, ENTRY_WRITTEN where the
# entry to install is written, BINDIR and DATADIR the install folders.
if(IS_ABSOLUTE "${BINDIR}")
  set(program "${BINDIR}/tavolin")
else()
  set(program "${CMAKE_INSTALL_PREFIX}/${BINDIR}/tavolin")
endif()
file(READ "${ENTRY}" entry)
string(REPLACE "\nExec=tavolin\n" "\nExec=${program}\n" entry "${entry}")
file(WRITE "${ENTRY_WRITTEN}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATADIR}/applications" TYPE FILE FILES "${ENTRY_WRITTEN}")
