# extra.cmake - the Wine test runs real editors with the library's own resources (the editor's
# keys and toolbar strips) and saves into a folder of the build tree; read_saved.py, ordered after
# it by a fixture, reads the saved RTF with unrtf on the Linux side.
if(WIN32)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:gravimonderresources> $<TARGET_OBJECTS:gravimonderhelpstrip>)
  grav_test_readers(${target} editor_saved editor-saved GRAV_EDITOR_OUTPUT ${dir}/read_saved.py)
endif()
