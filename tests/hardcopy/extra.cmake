# extra.cmake - the Wine test prints into a folder of the build tree; read_printed.py, ordered
# after it by a fixture, reads what was printed with Ghostscript on the Linux side.
if(WIN32)
  grav_test_readers(${target} hardcopy_printed printed GRAV_PRINTED_DIR ${dir}/read_printed.py)
endif()
# The library's own page-setup dialog needs the library's resources, which the executable above
# lacks on purpose (its page setup shows the system's dialog): a second executable carries them.
if(WIN32)
  grav_own_dialog_tests(hardcopy ${dir}/own_dialog/page_setup_test_win.cpp)
endif()
