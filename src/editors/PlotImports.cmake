# Writes the link options (for the compiler driver) by which a program exports what the plot
# module calls of it: the module's undefined symbols that the program's static libraries
# define. -u pulls each out of its library, --export-dynamic-symbol exports it.
# Usage: cmake -DNM=nm -DMODULE=liblimnaset_plot.so -DARCHIVES=a.a,b.a -DOUTPUT=file.rsp
#              -P PlotImports.cmake
cmake_minimum_required(VERSION 3.25)
function(symbols out)
    execute_process(COMMAND ${NM} ${ARGN} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${NM} ${ARGN} failed")
    endif()
    string(REGEX MATCHALL " [A-Za-z] [^\n]+" lines "${listing}")
    list(TRANSFORM lines REPLACE "^ [A-Za-z] " "")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

symbols(imports -D --undefined-only ${MODULE})
string(REPLACE "," ";" archives "${ARCHIVES}")
symbols(defined --defined-only --extern-only ${archives})
set(options "")
foreach(symbol IN LISTS imports)
    if(symbol IN_LIST defined)
        string(APPEND options "-Wl,-u,${symbol}\n-Wl,--export-dynamic-symbol=${symbol}\n")
    endif()
endforeach()
# Unchanged options leave the programs linked as they are.
if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} old)
    if(old STREQUAL options)
        return()
    endif()
endif()
file(WRITE ${OUTPUT} "${options}")
