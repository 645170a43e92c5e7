# Each layer library exposes exactly its own headers: its folder appears under a small include
# tree of its own in the build folder (e.g. build/include/flange_calc/calc -> src/calc), and that
# tree is the library's only public include path. A source sees a layer's headers only when its
# target links that layer, directly or through a layer that builds on it, so a wrong-way include
# fails to compile instead of slipping in.
#
# flange_expose_headers(<target> <include-name> [<folder>])
#   <include-name> is how the folder is included, e.g. "calc" for #include "calc/x.h" or
#   "ui/common" for #include "ui/common/x.h"; the folder is the current source folder unless
#   given.
function(flange_expose_headers target include_name)
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 2)
    set(folder ${ARGV2})
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  set(link ${root}/${include_name})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${folder} ${link} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
