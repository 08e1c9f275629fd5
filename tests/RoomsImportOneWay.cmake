cmake_minimum_required(VERSION 3.20)

# Fails when a room of src/ includes a header of a room above it. Rooms are
# listed from the bottom up; each may include only rooms listed before it, so
# every import runs one way and any room can be built and tested without the
# ones above it.
#   cmake -DSOURCE_DIR=<src> -P RoomsImportOneWay.cmake
set(rooms codec settings config language presets patcher startup commandline ui)

set(problems "")
set(below "")
foreach(room IN LISTS rooms)
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${room}/*.cpp ${SOURCE_DIR}/${room}/*.h)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target STREQUAL room AND NOT target IN_LIST below)
                file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                string(APPEND problems "\n  ${name} includes ${target}/, which stands above ${room}/")
            endif()
        endforeach()
    endforeach()
    list(APPEND below ${room})
endforeach()

if(problems)
    message(FATAL_ERROR "An import runs the wrong way:${problems}")
endif()
