# Fails when a file of a lower layer includes a header of a higher one. The
# layers, lowest first: the string ids, the engine, the store, the model;
# everything else is the window side. Run with
#   cmake -DROOT=<source dir> -DENGINE=<files> -DSTORE=<files> -DMODEL=<files> -P CheckLayers.cmake
# where each list holds the absolute paths of that layer's sources, joined by "|".

cmake_minimum_required(VERSION 3.19)

set(IDS "${ROOT}/langlib/ResourceIds.h")
string(REPLACE "|" ";" ENGINE "${ENGINE}")
string(REPLACE "|" ";" STORE "${STORE}")
string(REPLACE "|" ";" MODEL "${MODEL}")

# What each layer may include from the project: itself and the layers below.
set(ENGINE_MAY ${IDS} ${ENGINE})
set(STORE_MAY ${IDS} ${ENGINE} ${STORE})
set(MODEL_MAY ${IDS} ${ENGINE} ${STORE} ${MODEL})

set(faults "")
foreach(layer ENGINE STORE MODEL)
  foreach(file ${${layer}})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
      set(path "${ROOT}/${header}")
      if(NOT EXISTS "${path}")
        get_filename_component(here "${file}" DIRECTORY)
        set(path "${here}/${header}")
      endif()
      get_filename_component(path "${path}" ABSOLUTE)
      if(NOT path IN_LIST ${layer}_MAY)
        file(RELATIVE_PATH shown "${ROOT}" "${file}")
        string(APPEND faults "  ${shown} (${layer}) includes ${header}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes that point up a layer:\n${faults}")
endif()
list(LENGTH ENGINE engine_count)
list(LENGTH STORE store_count)
list(LENGTH MODEL model_count)
message(STATUS "Layers hold: ${engine_count} engine, ${store_count} store, ${model_count} model files")
