# Each folder's sources are picked up by pattern, so adding a file needs no
# edit here; CONFIGURE_DEPENDS re-runs the glob on every build.
function(pattaro_glob out)
  set(files)
  foreach(pattern IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${pattern})
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()
