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

# A program that runs one update and ends inside it when a new program is installed.
if(WIN32)
  add_executable(update_helper WIN32 ${dir}/helpers/update_helper.cpp $<TARGET_OBJECTS:velquonresources>)
  target_link_libraries(update_helper PRIVATE velquonlogic gravimonder_program)
  target_compile_options(update_helper PRIVATE ${GRAV_WARNINGS})
  add_dependencies(${target} update_helper)
  target_compile_definitions(${target} PRIVATE GRAV_UPDATE_HELPER="$<TARGET_FILE:update_helper>")
endif()
