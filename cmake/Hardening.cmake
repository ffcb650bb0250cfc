# Release builds carry the hardening Debian's own packages are built with:
# checked string and memory functions, stack canaries, and a read-only
# relocation table resolved at start-up. Qt already makes the programs
# position independent. The sanitizer and fuzzer builds leave it out, as
# AddressSanitizer replaces those checked functions with its own.
if(NOT PATTARO_SANITIZE AND NOT PATTARO_FUZZ)
  # A compiler that defines its own _FORTIFY_SOURCE level would otherwise
  # warn about the redefinition, an error under PATTARO_WERROR.
  add_compile_options("$<$<CONFIG:Release>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;-fstack-protector-strong>")
  add_link_options("$<$<CONFIG:Release>:LINKER:-z,relro,-z,now>")
endif()
