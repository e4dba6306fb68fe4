# The layering check on small trees made for it: each fault must fail the check and be named,
# a tree that keeps to the ranks must pass, and the real tree must pass.
# cmake -DCHECKER=<checklayers.cmake> -DSOURCE_DIR=<the real tree> -DSCRATCH=<folder> -P ...
cmake_minimum_required(VERSION 3.25)

set(failures "")

# Runs the checker on `tree` with the extra arguments; sets `code` and `output`.
function(run_checker tree)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} ${ARGN} -P ${CHECKER}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(code ${result} PARENT_SCOPE)
    set(output "${out}${err}" PARENT_SCOPE)
endfunction()

# A tree of the given files, each "path|line of text".
function(make_tree tree)
    file(REMOVE_RECURSE ${tree})
    foreach(entry ${ARGN})
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 path)
        list(GET parts 1 text)
        file(WRITE ${tree}/${path} "${text}\n")
    endforeach()
endfunction()

function(expect_failure what tree expected)
    run_checker(${tree} ${ARGN})
    string(FIND "${output}" "${expected}" at)
    if(code EQUAL 0 OR at EQUAL -1)
        list(APPEND failures "${what}: exit ${code}, no \"${expected}\" in:\n${output}")
        set(failures "${failures}" PARENT_SCOPE)
    endif()
endfunction()

function(expect_pass what tree)
    run_checker(${tree} ${ARGN})
    if(NOT code EQUAL 0)
        list(APPEND failures "${what}: exit ${code}:\n${output}")
        set(failures "${failures}" PARENT_SCOPE)
    endif()
endfunction()

set(base
    "system/platform.h|#pragma once"
    "common/errors.h|#include \"system/platform.h\""
    "store/settingsstore.h|#include \"common/errors.h\""
    "board/deal.cpp|#include \"store/settingsstore.h\""
    "game/anaform.h|#include \"board/deal.h\""
    "startup/main.cpp|#include \"game/anaform.h\"")

make_tree(${SCRATCH}/down ${base})
expect_pass("includes that go down" ${SCRATCH}/down)

make_tree(${SCRATCH}/up ${base} "board/rules.cpp|#include \"game/anaform.h\"")
expect_failure("an upward include" ${SCRATCH}/up "board/rules.cpp: game/anaform.h")

make_tree(${SCRATCH}/sideways ${base} "store/keys.h|#include \"sound/pcmoutput.h\""
          "sound/pcmoutput.h|#pragma once")
expect_failure("an include within one rank" ${SCRATCH}/sideways "store/keys.h: sound/pcmoutput.h")

make_tree(${SCRATCH}/outside ${base} "common/x.cpp|#include \"tests/support/coresupport.h\"")
expect_failure("an include from the tests" ${SCRATCH}/outside "common/x.cpp: tests/support")

# The core's own rule, whatever the ranks: no widget header, no window library header.
make_tree(${SCRATCH}/widgets ${base} "board/view.cpp|#include <QtWidgets/QWidget>"
          "game/window.h|#pragma once" "board/uses.cpp|#include \"game/window.h\"")
file(WRITE ${SCRATCH}/widgets.cmake
     "set(CORE_SOURCES ${SCRATCH}/widgets/board/view.cpp)\nset(UI_SOURCES ${SCRATCH}/widgets/game/window.h)\n")
expect_failure("a widget in the core" ${SCRATCH}/widgets "board/view.cpp: QtWidgets/QWidget"
               -DLISTS=${SCRATCH}/widgets.cmake)
file(WRITE ${SCRATCH}/unranked.cmake "set(CORE_SOURCES ${SCRATCH}/widgets/extra/new.cpp)\n")
file(WRITE ${SCRATCH}/widgets/extra/new.cpp "\n")
expect_failure("a folder without a rank" ${SCRATCH}/widgets "extra/new.cpp: a program file outside"
               -DLISTS=${SCRATCH}/unranked.cmake)

# The graph names a cycle with the includes that make it.
make_tree(${SCRATCH}/cycle ${base} "system/uses.cpp|#include \"board/deal.h\"")
run_checker(${SCRATCH}/cycle -DGRAPH=ON)
if(NOT output MATCHES "Cycle among: system common store board"
   OR NOT output MATCHES "system -> board, first system/uses.cpp")
    list(APPEND failures "the cycle in the graph:\n${output}")
endif()

expect_pass("the program's own tree" ${SOURCE_DIR})

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "${text}")
endif()
