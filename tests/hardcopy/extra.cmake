# extra.cmake - the Wine test prints into a folder of the build tree; read_printed.py, ordered
# after it by a fixture, reads what was printed with Ghostscript on the Linux side.
if(WIN32)
  grav_test_readers(${target} hardcopy_printed printed GRAV_PRINTED_DIR ${dir}/read_printed.py)
endif()
