# Part of the install: writes the desktop entry ORUVEL_DESKTOP_ENTRY from
# ORUVEL_DESKTOP_TEMPLATE, with Exec set to the installed program under
# CMAKE_INSTALL_PREFIX/ORUVEL_BINDIR (the prefix of this install, without DESTDIR).

if(IS_ABSOLUTE "${ORUVEL_BINDIR}")
  set(program "${ORUVEL_BINDIR}/oruvel")
else()
  set(program "${CMAKE_INSTALL_PREFIX}/${ORUVEL_BINDIR}/oruvel")
endif()

# The Exec key's own quoting: the path in double quotes, with \ " ` $ escaped by a
# backslash; then the escaping of every string value, which doubles each backslash;
# and a literal % written as %%.
string(REPLACE [[\]] [[\\]] quoted "${program}")
string(REPLACE [["]] [[\"]] quoted "${quoted}")
string(REPLACE [[`]] [[\`]] quoted "${quoted}")
string(REPLACE [[$]] [[\$]] quoted "${quoted}")
string(REPLACE [[\]] [[\\]] quoted "${quoted}")
string(REPLACE [[%]] [[%%]] quoted "${quoted}")
set(ORUVEL_EXEC "\"${quoted}\"")

configure_file("${ORUVEL_DESKTOP_TEMPLATE}" "${ORUVEL_DESKTOP_ENTRY}" @ONLY)
