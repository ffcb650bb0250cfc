# Writes the package's machine-readable copyright file (DEP-5) from the
# project's LICENSE, so the licence text lives in one place.
# Run with -DLICENSE=<LICENSE> -DOUTPUT=<file> -DCONTACT=<maintainer> -DSOURCE=<homepage>.
file(READ "${LICENSE}" text)
if(NOT text MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
  message(FATAL_ERROR "${LICENSE} has no \"Copyright (c) <year> <holder>\" line followed by the licence")
endif()
set(holder "${CMAKE_MATCH_1}")
set(terms "${CMAKE_MATCH_2}")
# DEP-5 continues a field with indented lines and writes a blank one as " .".
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms " ${terms}")
file(WRITE "${OUTPUT}" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Pattaro
Upstream-Contact: ${CONTACT}
Source: ${SOURCE}

Files: *
Copyright: ${holder}
License: Expat

License: Expat
${terms}
")
