# The checker's tests use its logic; on Windows they also run the program itself.
target_link_libraries(${target} PRIVATE krastellogic)
