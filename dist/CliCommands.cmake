# Writes the COMMANDS section of arvento-cli's manual page as help2man
# material: every command that "arvento-cli --help" lists, each with the text
# of its own --help, so that every command and option is in the page.
#   cmake -DCLI=PATH/arvento-cli -DOUTPUT=FILE.h2m -P CliCommands.cmake
set(ENV{ARVENTO_LANG} en)

function(cli_help output)
  execute_process(COMMAND ${CLI} ${ARGN} --help RESULT_VARIABLE status OUTPUT_VARIABLE text)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${ARGN} --help failed: ${status}")
  endif()
  set(${output} "${text}" PARENT_SCOPE)
endfunction()

cli_help(overview)
# The command list: the indented lines after "Commands:" up to the blank line.
if(NOT overview MATCHES "\nCommands:\n(([^\n]+\n)+)")
  message(FATAL_ERROR "${CLI} --help lists no commands")
endif()
string(REPLACE "\n" ";" lines "${CMAKE_MATCH_1}")
set(names "")
foreach(line IN LISTS lines)
  if(line MATCHES "^  ([a-z][-a-z]*)")
    list(APPEND names ${CMAKE_MATCH_1})
  endif()
endforeach()

set(section "[COMMANDS]\n")
foreach(name IN LISTS names)
  cli_help(help ${name})
  # The help as it is printed: backslashes and minus signs literal, no line
  # read as a request.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REPLACE "-" "\\-" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND section ".SS ${name}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${section}")
