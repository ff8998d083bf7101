# The checker's tests use its logic; on Windows they also run the program itself.
target_link_libraries(${target} PRIVATE krastellogic)
if(WIN32)
  add_dependencies(${target} krastel)
  target_compile_definitions(${target} PRIVATE GRAV_KRASTEL="$<TARGET_FILE:krastel>")
endif()
