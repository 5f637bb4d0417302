# rorovovo_layer(<target> <folder>): the folder's headers are found as "<folder>/name.h" by the target and by the
# targets that link it, and by no other. Each library sees only the layers it links, so an include that skips the
# link graph (chart reaching into profiles, say) fails to build instead of passing unnoticed.
function(rorovovo_layer target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
