# The viewer's tests use its portable logic, the stand-in plotting program's interpreter and the
# stand-in installation (demo/); on Windows the stand-in programs are copied into it.
target_link_libraries(${target} PRIVATE velquonlogic standin)
target_compile_definitions(${target} PRIVATE GRAV_DEMO_DIR="${PROJECT_SOURCE_DIR}/demo")
if(WIN32)
  add_dependencies(${target} ferret notepad qvupdate)
  target_compile_definitions(${target} PRIVATE
    GRAV_STANDIN_FERRET="$<TARGET_FILE:ferret>" GRAV_STANDIN_NOTEPAD="$<TARGET_FILE:notepad>"
    GRAV_STANDIN_QVUPDATE="$<TARGET_FILE:qvupdate>")
endif()
if(WIN32)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:velquonresources>)
  add_dependencies(${target} velquon)
  target_compile_definitions(${target} PRIVATE GRAV_VELQUON="$<TARGET_FILE:velquon>")
endif()
