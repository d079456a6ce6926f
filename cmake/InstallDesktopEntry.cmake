# Runs at install time, with the prefix the install really uses: writes the desktop entry
# with the installed program's full path, so that it starts from any prefix.
# Given: QUORVEX_ENTRY_IN (the template), QUORVEX_ENTRY_OUT (a scratch file in the build),
# QUORVEX_BINDIR and QUORVEX_DATADIR (relative to the prefix, or absolute).
foreach(dir BINDIR DATADIR)
  if(IS_ABSOLUTE "${QUORVEX_${dir}}")
    set(${dir} "${QUORVEX_${dir}}")
  else()
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${QUORVEX_${dir}}")
  endif()
endforeach()

# The Exec key's rules: a percent sign is written twice; a path with a reserved character is
# quoted, with ", `, $ and \ escaped inside the quotes, and every backslash of the value is
# then written twice once more, as in any string value of an entry.
string(REPLACE "%" "%%" QUORVEX_EXEC "${BINDIR}/Quorvex")
string(REGEX MATCH "[ \t\n\"'\\\\><~|&;$*?#()`]" reserved "${QUORVEX_EXEC}")
if(reserved)
  string(REPLACE "\\" "\\\\" QUORVEX_EXEC "${QUORVEX_EXEC}")
  foreach(c "\"" "`" "$")
    string(REPLACE "${c}" "\\${c}" QUORVEX_EXEC "${QUORVEX_EXEC}")
  endforeach()
  string(REPLACE "\\" "\\\\" QUORVEX_EXEC "\"${QUORVEX_EXEC}\"")
endif()

configure_file("${QUORVEX_ENTRY_IN}" "${QUORVEX_ENTRY_OUT}" @ONLY)
file(INSTALL "${QUORVEX_ENTRY_OUT}" DESTINATION "${DATADIR}/applications")
