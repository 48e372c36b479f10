# Makes the release archive: the program stripped of its symbols and debug information (kept in a
# separate file that the stripped program names with a debug link), its console launcher, the
# read-me and the JSON report's schema, in one zip.
#   cmake -DOBJCOPY=<objcopy> -DEXE=<Orvane.exe> -DCOM=<Orvane.com> -DREADME=<Readme.txt>
#         -DSCHEMA=<orvane-report.schema.json> -DOUT=<dir> -DARCHIVE=<name.zip> -P release.cmake
foreach(var OBJCOPY EXE COM README SCHEMA OUT ARCHIVE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "release.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
get_filename_component(name ${EXE} NAME)

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${OUT} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "release.cmake: failed (${rc}): ${ARGN}")
  endif()
endfunction()

# The debug link holds the debug file's name and checksum; a debugger finds it beside the program.
run(${OBJCOPY} --only-keep-debug ${EXE} ${name}.debug)
run(${OBJCOPY} --strip-all ${EXE} ${name})
run(${OBJCOPY} --add-gnu-debuglink=${name}.debug ${name})
run(${OBJCOPY} --strip-all ${COM} Orvane.com)
file(COPY_FILE ${README} ${OUT}/Readme.txt)
file(COPY_FILE ${SCHEMA} ${OUT}/orvane-report.schema.json)
run(${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip ${name} Orvane.com Readme.txt orvane-report.schema.json)
