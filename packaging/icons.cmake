# Build step: a program's icons drawn from its first screen, which it shows run headless
# with a script that saves the screen and closes it; retried with a longer wait when the
# screen is still blank (a loaded machine).
# cmake -DPROGRAM= -DICONS= -DNAME= -DWORK= -DOUT=icon-dir -DSIZES=16,32 -P icons.cmake
set(ENV{PALM_HEADLESS} 1)
string(REPLACE "," ";" SIZES ${SIZES})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(wait 1500 5000)
  file(WRITE ${WORK}/script.txt "wait ${wait}\nshot ${WORK}/first.png\nclose\n")
  set(ENV{PALM_SCRIPT} ${WORK}/script.txt)
  # The working folder takes any record database the program makes.
  execute_process(COMMAND ${PROGRAM} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status
                  TIMEOUT 120)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} run for its icon: status ${status}")
  endif()
  execute_process(COMMAND ${ICONS} ${WORK}/first.png ${OUT} ${NAME} ${SIZES}
                  RESULT_VARIABLE status)
  if(status EQUAL 0)
    return()
  endif()
endforeach()
message(FATAL_ERROR "no icons for ${NAME}")
