# Fails, naming file and line, on any #include of the engine that goes against its layers.
# Every folder shares the root include path, so linking alone would not catch a wrong include.
#   cmake -DROOT=<source dir> -P cmake/check_layers.cmake
#
# The layers, bottom up, and the folders each may include besides its own:
#   core                                the standard library only
#   commands, combat, persistence       core
#   ai                                  commands, combat, core
#   game                                ai, commands, combat, persistence, core
# No engine file includes Qt.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "ROOT (the source directory) is not set")
endif()

set(allowed_core "core")
set(allowed_commands "commands;core")
set(allowed_combat "combat;core")
set(allowed_persistence "persistence;core")
set(allowed_ai "ai;commands;combat;core")
set(allowed_game "game;ai;commands;combat;persistence;core")
set(engine_folders core commands combat persistence ai game)

set(faults "")
set(checked 0)
foreach(folder IN LISTS engine_folders)
  file(GLOB sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" lines)
    file(RELATIVE_PATH name "${ROOT}" "${source}")
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(target "${CMAKE_MATCH_1}")
        math(EXPR checked "${checked} + 1")
        if(target MATCHES "^([^/]+)/")
          set(to "${CMAKE_MATCH_1}")
        else()
          set(to "")
        endif()
        if(NOT to IN_LIST allowed_${folder})
          string(APPEND faults "${name}:${number}: ${folder}/ may not include \"${target}\"\n")
        endif()
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[^>]*)>")
        string(APPEND faults "${name}:${number}: the engine does not use Qt (<${CMAKE_MATCH_1}>)\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no #include found under ${ROOT}: wrong source directory?")
endif()
if(faults)
  message(FATAL_ERROR "includes against the engine's layers:\n${faults}")
endif()
message(STATUS "${checked} engine includes follow the layers")
