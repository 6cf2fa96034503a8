# Runs: TOVAK --run PROGRAMM ARGUMENTE (separated by "|") and compares stdout with
# ERWARTET.out, stderr with ERWARTET.err if that exists, and the exit status with STATUS. The
# expected messages name the program "tovak"; a run of NAME names NAME instead.
string(REPLACE "|" ";" argumente "${ARGUMENTE}")
execute_process(COMMAND "${TOVAK}" --run "${PROGRAMM}" ${argumente}
    OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler RESULT_VARIABLE status)
set(abweichungen "")
if(NOT status STREQUAL "${STATUS}")
    string(APPEND abweichungen "exit status ${status}, expected ${STATUS}\n")
endif()
file(READ "${ERWARTET}.out" erwartet)
if(NOT ausgabe STREQUAL erwartet)
    string(APPEND abweichungen "stdout differs from ${ERWARTET}.out:\n${ausgabe}\n")
endif()
if(EXISTS "${ERWARTET}.err")
    file(READ "${ERWARTET}.err" erwartetFehler)
    string(REPLACE "tovak --help" "${NAME} --help" erwartetFehler "${erwartetFehler}")
    if(NOT fehler STREQUAL erwartetFehler)
        string(APPEND abweichungen "stderr differs from ${ERWARTET}.err:\n${fehler}\n")
    endif()
endif()
if(abweichungen)
    message(FATAL_ERROR "${abweichungen}")
endif()
