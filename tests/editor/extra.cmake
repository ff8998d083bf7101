# extra.cmake - the Wine test runs real editors with the library's own resources (the editor's
# keys and toolbar strips) and saves into a folder of the build tree; read_saved.py, ordered after
# it by a fixture, reads the saved RTF with unrtf on the Linux side.
if(WIN32)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:gravimonderresources> $<TARGET_OBJECTS:gravimonderhelpstrip>)
  set(saved ${CMAKE_CURRENT_BINARY_DIR}/editor-saved)
  file(MAKE_DIRECTORY ${saved})
  target_compile_definitions(${target} PRIVATE GRAV_EDITOR_OUTPUT="${saved}")
  set_tests_properties(${target} PROPERTIES FIXTURES_SETUP editor_saved)
  add_test(NAME editor_saved_readers COMMAND /usr/bin/python3 ${dir}/read_saved.py ${saved})
  set_tests_properties(editor_saved_readers PROPERTIES FIXTURES_REQUIRED editor_saved)
endif()
