# cmake -DROOMS=<rooms table> -DSOURCE_DIR=<src> -P check_rooms.cmake
# Holds every file under SOURCE_DIR to its room: a file of src/<room>/ may include the headers
# of its own room and of the rooms its room uses, no other; main.cpp those of the rooms the
# program uses. Every folder under SOURCE_DIR must be a room. Fails naming each file and the
# room it may not include.
cmake_minimum_required(VERSION 3.22)
include(${ROOMS})
get_filename_component(SOURCE_DIR ${SOURCE_DIR} ABSOLUTE)

set(faults)
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY ${SOURCE_DIR}/${folder} AND NOT folder IN_LIST MORVEX_ROOMS)
        list(APPEND faults "src/${folder}/ is no room")
    endif()
endforeach()

function(check_file file room allowed)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z0-9_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z0-9_]+)/.*" "\\1" used "${line}")
        if(NOT used STREQUAL room AND NOT used IN_LIST allowed)
            file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
            list(APPEND faults "src/${name} includes room ${used}, which ${room} may not use")
        endif()
    endforeach()
    set(faults ${faults} PARENT_SCOPE)
endfunction()

foreach(room IN LISTS MORVEX_ROOMS)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${room}/*.h ${SOURCE_DIR}/${room}/*.cpp)
    foreach(file IN LISTS files)
        check_file(${file} ${room} "${MORVEX_ROOM_USES_${room}}")
    endforeach()
endforeach()
file(GLOB top_files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file IN LISTS top_files)
    check_file(${file} "" "${MORVEX_PROGRAM_USES}")
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes across the rooms:\n  ${text}")
endif()
list(LENGTH MORVEX_ROOMS count)
message(STATUS "Every file keeps to its room (${count} rooms)")
