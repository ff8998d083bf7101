# extra.cmake - the Wine test prints into a folder of the build tree; read_printed.py, ordered
# after it by a fixture, reads what was printed with Ghostscript on the Linux side.
if(WIN32)
  set(printed ${CMAKE_CURRENT_BINARY_DIR}/printed)
  file(MAKE_DIRECTORY ${printed})
  target_compile_definitions(${target} PRIVATE GRAV_PRINTED_DIR="${printed}")
  set_tests_properties(${target} PROPERTIES FIXTURES_SETUP hardcopy_printed)
  add_test(NAME hardcopy_printed_readers
           COMMAND /usr/bin/python3 ${dir}/read_printed.py ${printed})
  set_tests_properties(hardcopy_printed_readers PROPERTIES FIXTURES_REQUIRED hardcopy_printed)
endif()
