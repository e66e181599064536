# tarvo_add_library(NAME SOURCES ... [LIBRARIES ...] [PRIVATE_LIBRARIES ...])
# One room of src/ as a static library. Its headers are included by their room's folder
# ("billing/Money.h"), so every library puts src/ on the include path of whoever links it.
function(tarvo_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;PRIVATE_LIBRARIES" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBRARIES} PRIVATE ${ARG_PRIVATE_LIBRARIES})
endfunction()
