# Writes PROGRAM's SHA-256 next to it in sha256sum's format; the program
# compares itself against this record when it starts.
file(SHA256 "${PROGRAM}" digest)
get_filename_component(name "${PROGRAM}" NAME)
file(WRITE "${PROGRAM}.sha256" "${digest}  ${name}\n")
