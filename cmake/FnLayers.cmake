# Layering the build enforces.
#
# Project headers are included by their path from the repository root
# ("engine/FnTexture.h"), but the root itself is on no include path.  Each
# target shows the headers it owns in a folder of its own under the build
# tree (include/<target>/engine/FnTexture.h, a link to the source), and
# only targets that link it see that folder.  A header of a layer above, or
# of a layer beside that a target does not depend on, cannot be found: the
# wrong include fails to compile instead of waiting for a review.

set(FN_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/include)
# Links are made anew at every configure, so a header that changes hands
# leaves no stale link behind.
file(REMOVE_RECURSE ${FN_INCLUDE_ROOT})
set_property(GLOBAL PROPERTY FN_OWNED_HEADERS "")
set_property(GLOBAL PROPERTY FN_UNBUILT_FOLDERS "")

# fn_folder_not_built(<folder>): a folder a switch leaves out of this build
# (the editor without Qt); its headers then need no owner.
function(fn_folder_not_built folder)
  get_filename_component(abs ${folder} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY FN_UNBUILT_FOLDERS ${abs}/)
endfunction()

# fn_public_headers(<target> <header>... | ALL): the headers <target> shows
# to itself and to every target that links it.  ALL takes every header of
# the current folder (for folders that hold one target).
function(fn_public_headers target)
  if(ARGN STREQUAL "ALL")
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  else()
    set(headers ${ARGN})
  endif()
  set(root ${FN_INCLUDE_ROOT}/${target})
  foreach(h IN LISTS headers)
    get_filename_component(abs ${h} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT EXISTS ${abs})
      message(FATAL_ERROR "${target}: no header ${h}")
    endif()
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${abs})
    get_filename_component(dir ${root}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${abs} ${root}/${rel} SYMBOLIC)
    get_property(owned GLOBAL PROPERTY FN_OWNED_HEADERS)
    if(abs IN_LIST owned)
      message(FATAL_ERROR "${rel} is shown by two targets; a header has one owner")
    endif()
    set_property(GLOBAL APPEND PROPERTY FN_OWNED_HEADERS ${abs})
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# fn_check_headers(<folder>...): every header below the folders has an
# owner, so none is reachable only by accident or not at all.
function(fn_check_headers)
  get_property(owned GLOBAL PROPERTY FN_OWNED_HEADERS)
  get_property(unbuilt GLOBAL PROPERTY FN_UNBUILT_FOLDERS)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    foreach(h IN LISTS headers)
      set(skip FALSE)
      foreach(u IN LISTS unbuilt)
        string(FIND "${h}" "${u}" at)
        if(at EQUAL 0)
          set(skip TRUE)
        endif()
      endforeach()
      if(NOT skip AND NOT h IN_LIST owned)
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${h})
        message(FATAL_ERROR "${rel} belongs to no target: name it in its folder's fn_public_headers")
      endif()
    endforeach()
  endforeach()
endfunction()
