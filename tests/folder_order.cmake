# Inside a layer the folders include each other in one direction only: a
# folder may include its own headers and those of an earlier tier, never a
# later one nor a neighbour of its own tier. Run as
#   cmake -DSOURCE_DIR=<repository> -P tests/folder_order.cmake
# and fails naming every include that points the wrong way.

# The tiers of each layer, earliest first; folders of one tier are separated
# by commas.
set(model_tiers "base" "text" "rules" "notation,influence,engine,clock" "computer,review" "training,network")
set(session_tiers "ports" "game" "timing" "view" "setup" "record" "com" "shell" "match" "assist" "resume" "training")

set(faults "")

function(check_layer layer)
  set(tiers ${${layer}_tiers})
  set(rank 0)
  foreach(tier IN LISTS tiers)
    string(REPLACE "," ";" folders "${tier}")
    foreach(folder IN LISTS folders)
      set(rank_of_${folder} ${rank})
    endforeach()
    math(EXPR rank "${rank} + 1")
  endforeach()

  file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/src/${layer} ${SOURCE_DIR}/src/${layer}/*)
  foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/src/${layer}/${folder})
      continue()
    endif()
    if(NOT DEFINED rank_of_${folder})
      list(APPEND faults "src/${layer}/${folder}/ has no place in the folder order of ${layer}")
      continue()
    endif()
    file(GLOB sources ${SOURCE_DIR}/src/${layer}/${folder}/*.h ${SOURCE_DIR}/src/${layer}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
      file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included "${line}")
        if(included STREQUAL folder OR NOT DEFINED rank_of_${included})
          continue()  # its own folder, or a folder of a lower layer
        endif()
        if(NOT rank_of_${included} LESS rank_of_${folder})
          file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
          list(APPEND faults "${shown}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

check_layer(model)
check_layer(session)

if(faults)
  list(JOIN faults "\n  " shown)
  message(FATAL_ERROR "Includes against the folder order:\n  ${shown}")
endif()
message(STATUS "Every folder includes only earlier folders of its layer")
