target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_args.cpp)
