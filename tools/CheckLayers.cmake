# Fails when a file of the source tree includes a file of a higher layer.
# The layers, bottom up; a folder may include its own layer and those below:
#   0 cardlib        card objects and faces
#   1 game           the rules of play and of a game's settlement (no widgets)
#   2 records        the players' files, the top ten and their save points (no widgets)
#   3 ui             presentation services and the small windows
#   4 recordwindows  the windows of the players' records
#   5 app            the game window, start-up, main
# Usage: cmake -DQUIBEL_SRC=<folder with the layers> -P CheckLayers.cmake
set(layer_cardlib 0)
set(layer_game 1)
set(layer_records 2)
set(layer_ui 3)
set(layer_recordwindows 4)
set(layer_app 5)

if(NOT IS_DIRECTORY "${QUIBEL_SRC}")
  message(FATAL_ERROR "No source folder: ${QUIBEL_SRC}")
endif()

file(GLOB_RECURSE files RELATIVE "${QUIBEL_SRC}" "${QUIBEL_SRC}/*.h" "${QUIBEL_SRC}/*.cpp")
set(faults 0)
foreach(file IN LISTS files)
  string(REGEX REPLACE "/.*" "" folder "${file}")
  if(NOT DEFINED layer_${folder})
    message(SEND_ERROR "${file}: the folder ${folder} has no layer")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  file(STRINGS "${QUIBEL_SRC}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"/]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" target "${line}")
    if(NOT DEFINED layer_${target})
      message(SEND_ERROR "${file} includes ${target}/, a folder with no layer")
      math(EXPR faults "${faults} + 1")
    elseif(layer_${target} GREATER layer_${folder})
      message(SEND_ERROR "${file} includes ${target}/, a higher layer than ${folder}/")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
message(STATUS "Layers: ${count} files, no include upwards")
