# The graphics tests' dialog with a graphics field (Windows only).
if(WIN32)
  enable_language(RC)
  target_sources(${target} PRIVATE ${dir}/resources/graphics.rc)
endif()

# Metafile slots written to files by the test and read back by outside readers (read_slots.py,
# ordered after the test by a fixture): CGM stores by LibreOffice in the native build, enhanced
# metafiles by emf2svg-conv and rsvg-convert in the Windows build.
set(slots ${CMAKE_CURRENT_BINARY_DIR}/slots)
file(MAKE_DIRECTORY ${slots})
target_compile_definitions(${target} PRIVATE GRAV_SLOTS_DIR="${slots}")
set_tests_properties(${target} PROPERTIES FIXTURES_SETUP graphics_slots)
if(WIN32)
  set(slot_kinds emf)
else()
  set(slot_kinds cgm)
endif()
add_test(NAME graphics_slot_readers COMMAND /usr/bin/python3 ${dir}/read_slots.py ${slots} ${slot_kinds})
set_tests_properties(graphics_slot_readers PROPERTIES FIXTURES_REQUIRED graphics_slots)
