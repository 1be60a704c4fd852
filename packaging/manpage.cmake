# Build step: a program's manual page from its own --help, the summary line from its
# desktop entry's Comment; written gzipped.
# cmake -DPROGRAM= -DMANPAGE= -DNAME= -DDESKTOP= -DSOURCE= -DGZIP= -DOUT=page.6.gz -P manpage.cmake
set(ENV{PALM_HEADLESS} 1)
get_filename_component(dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${PROGRAM} --help OUTPUT_FILE ${dir}/${NAME}.help
                RESULT_VARIABLE status TIMEOUT 60)
file(SIZE ${dir}/${NAME}.help size)
if(NOT status EQUAL 0 OR size EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help: status ${status}, ${size} bytes")
endif()

file(STRINGS ${DESKTOP} comment REGEX "^Comment=")
string(REGEX REPLACE "^Comment=" "" summary "${comment}")
# Lower-case, as a manual page's NAME line has it.
string(SUBSTRING "${summary}" 0 1 first)
string(TOLOWER "${first}" first)
string(SUBSTRING "${summary}" 1 -1 rest)
set(summary "${first}${rest}")
if(summary STREQUAL "")
  message(FATAL_ERROR "${DESKTOP} has no Comment")
endif()

string(REGEX REPLACE "\\.gz$" "" page ${OUT})
execute_process(COMMAND ${MANPAGE} ${NAME} 6 "${SOURCE}" "${summary}" ${dir}/${NAME}.help
                OUTPUT_FILE ${page} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "manpage ${NAME}: status ${status}")
endif()
execute_process(COMMAND ${GZIP} -9nf ${page} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip ${page}: status ${status}")
endif()
