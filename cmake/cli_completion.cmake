# Writes the bash completion script of ohmquill-cli, which the program prints from its commands.
#   cmake -DCLI=<ohmquill-cli> -DOUTPUT=<file> -P cli_completion.cmake
execute_process(COMMAND ${CLI} --bash-completion OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "${CLI} --bash-completion failed (${rc})")
endif()
