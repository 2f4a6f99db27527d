# The association's registry layout: the key names and the plan of a save,
# the registry primitives, the reader and the writer.
target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/class_registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_plan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/default_verb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_copy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_overrides.cpp
    ${CMAKE_CURRENT_LIST_DIR}/default_app.cpp)
endif()
