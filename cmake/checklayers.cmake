# The folders' layering, checked before the core compiles.
#
# Every program folder has a rank, and a file includes only from its own folder or from folders
# of a lower rank: never sideways, never upwards. So the folders form no cycle, and each one
# builds, reads and tests with only what lies below it. Apart from the ranks, the core
# (tessel_core) includes no Qt Widgets header and no header of the window library (tessel_ui),
# whatever its folder: Widgets headers are off the core's include path, but <QtWidgets/...> still
# resolves through Qt's base folder.
#
#   cmake -DSOURCE_DIR=<tree> -DLISTS=<file with CORE_SOURCES, UI_SOURCES> -P checklayers.cmake
#       fails, listing every file that breaks a rule;
#   cmake -DSOURCE_DIR=<tree> -DGRAPH=ON -P checklayers.cmake   (`make layers`)
#       prints the folders' include graph, with the includes against the ranks and the cycles.
cmake_minimum_required(VERSION 3.25)

# Lowest first. Folders of one rank know nothing of each other.
set(folder_ranks
    system 0 resources 0 # the operating system's services; the string table, icons, sounds
    common 1 # the shared helpers and controls
    solver 2 sound 2 store 2 # the solver, the sound output, the settings store
    board 3 # the board's rules and arithmetic, the stored game
    picture 4 # the photo holder and its readers
    about 5 photo 5 # the About and photo selection windows
    game 6 # the game window
    startup 7 # the program's start
)
# Folders of the tree that the program never includes from.
set(outside_folders bench desktop fuzz tests cmake)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "checklayers.cmake: -DSOURCE_DIR=<the source tree> is needed")
endif()

set(folders "")
while(folder_ranks)
    list(POP_FRONT folder_ranks folder rank)
    list(APPEND folders ${folder})
    set(rank_${folder} ${rank})
endwhile()

# The includes between folders: edges "from>to", with their count and the first file.
set(edges "")
set(faults "")
foreach(from ${folders})
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${from}/*.cpp
         ${SOURCE_DIR}/${from}/*.h)
    list(SORT files)
    foreach(rel ${files})
        file(STRINGS ${SOURCE_DIR}/${rel} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*$" "\\1" target "${line}")
            if(NOT target MATCHES "^([^/]+)/")
                continue()
            endif()
            set(to ${CMAKE_MATCH_1})
            if(to IN_LIST outside_folders)
                list(APPEND faults "${rel}: ${target} (${to}/ is not part of the program)")
            elseif(NOT to IN_LIST folders OR to STREQUAL from)
                continue()
            endif()
            set(edge "${from}>${to}")
            if(NOT edge IN_LIST edges)
                list(APPEND edges ${edge})
                set(count_${from}_${to} 0)
                set(first_${from}_${to} "${rel}: ${target}")
            endif()
            math(EXPR count_${from}_${to} "${count_${from}_${to}} + 1")
            if(NOT rank_${to} LESS rank_${from})
                list(APPEND faults
                     "${rel}: ${target} (${to}/ ranks ${rank_${to}}, not below ${from}/'s ${rank_${from}})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(GRAPH)
    # Which folders reach which, through any chain of includes (Warshall's closure).
    foreach(from ${folders})
        set(reach_${from} "")
        foreach(edge ${edges})
            if(edge MATCHES "^${from}>(.*)$")
                list(APPEND reach_${from} ${CMAKE_MATCH_1})
            endif()
        endforeach()
    endforeach()
    foreach(via ${folders})
        foreach(from ${folders})
            if(via IN_LIST reach_${from})
                list(APPEND reach_${from} ${reach_${via}})
                list(REMOVE_DUPLICATES reach_${from})
            endif()
        endforeach()
    endforeach()

    set(text "The folders' includes (rank, folder -> folder (number of includes)):")
    foreach(from ${folders})
        set(row "")
        foreach(to ${folders})
            if("${from}>${to}" IN_LIST edges)
                set(mark "")
                if(NOT rank_${to} LESS rank_${from})
                    set(mark " UP")
                endif()
                string(APPEND row " ${to}(${count_${from}_${to}}${mark})")
            endif()
        endforeach()
        if(row STREQUAL "")
            set(row " nothing")
        endif()
        string(APPEND text "\n  ${rank_${from}} ${from} ->${row}")
    endforeach()

    # A cycle: folders that reach each other; each group with the includes inside it.
    set(done "")
    set(cycles 0)
    foreach(from ${folders})
        if(from IN_LIST done OR NOT from IN_LIST reach_${from})
            continue()
        endif()
        set(group "")
        foreach(to ${folders})
            if(to IN_LIST reach_${from} AND from IN_LIST reach_${to})
                list(APPEND group ${to})
            endif()
        endforeach()
        list(APPEND done ${group})
        math(EXPR cycles "${cycles} + 1")
        list(JOIN group " " names)
        string(APPEND text "\nCycle among: ${names}")
        foreach(edge ${edges})
            string(REPLACE ">" ";" ends ${edge})
            list(GET ends 0 a)
            list(GET ends 1 b)
            if(a IN_LIST group AND b IN_LIST group)
                string(APPEND text "\n  ${a} -> ${b}, first ${first_${a}_${b}}")
            endif()
        endforeach()
    endforeach()
    if(cycles EQUAL 0)
        string(APPEND text "\nNo cycle.")
    endif()
    list(LENGTH faults count)
    string(APPEND text "\nIncludes against the ranks: ${count}")
    foreach(fault ${faults})
        string(APPEND text "\n  ${fault}")
    endforeach()
    message("${text}")
    return()
endif()

if(LISTS)
    include(${LISTS})
    set(ui_headers "")
    foreach(file ${UI_SOURCES})
        if(file MATCHES "\\.h$")
            file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
            list(APPEND ui_headers ${rel})
        endif()
    endforeach()
    foreach(file ${CORE_SOURCES} ${UI_SOURCES})
        if(NOT file MATCHES "\\.(cpp|h)$" OR NOT file MATCHES "^${SOURCE_DIR}/"
           OR (BINARY_DIR AND file MATCHES "^${BINARY_DIR}/"))
            continue()
        endif()
        file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
        # A new folder takes its place among the ranks before its code is built.
        if(NOT rel MATCHES "^([^/]+)/" OR NOT CMAKE_MATCH_1 IN_LIST folders)
            list(APPEND faults "${rel}: a program file outside the ranked folders")
        endif()
        if(NOT file IN_LIST CORE_SOURCES)
            continue()
        endif()
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"<]*[\"<]([^\">]*)[\">].*$" "\\1" target "${line}")
            if(target MATCHES "QtWidgets")
                list(APPEND faults "${rel}: ${target} (a widget header in the core)")
            elseif(target IN_LIST ui_headers)
                list(APPEND faults "${rel}: ${target} (a window library header in the core)")
            endif()
        endforeach()
    endforeach()
endif()

if(faults)
    list(REMOVE_DUPLICATES faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "The folders' layering is broken (make layers prints the graph):\n  ${text}")
endif()
