# SPDX-License-Identifier: MIT
# Each target of src/ exports only its own headers: vardex_include_root() gives the target an
# include root of its own under the build folder, holding links to just those headers at their
# place below src/ ("engine/Calendars.h"). A file can then include a header of another folder
# only if its target links the target that owns it, so the build refuses a lower layer reaching
# up; tests/layers checks the same rules on the sources themselves.
#
#   vardex_include_root(<target> [HEADERS <file>...])
#
# HEADERS defaults to every .h and .hpp file of the current source folder; folders that hold two
# targets (a window's logic and its view) name each target's own.
function(vardex_include_root target)
    cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
    if(NOT ARG_HEADERS)
        file(GLOB ARG_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.hpp)
    endif()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS ARG_HEADERS)
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
