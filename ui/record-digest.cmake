# Writes PROGRAM's SHA-256 in sha256sum's format to RECORD (by default next
# to PROGRAM); the program compares itself against this record when it starts.
file(SHA256 "${PROGRAM}" digest)
get_filename_component(name "${PROGRAM}" NAME)
if(NOT RECORD)
  set(RECORD "${PROGRAM}.sha256")
endif()
file(WRITE "${RECORD}" "${digest}  ${name}\n")
