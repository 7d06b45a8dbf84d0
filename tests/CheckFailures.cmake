# What the script checks share: a failed check is reported and counted without stopping the others;
# the script ends with a FATAL_ERROR when `failures` is above 0.
set(failures 0)
macro(fail message)
  message(SEND_ERROR "${message}")
  math(EXPR failures "${failures} + 1")
endmacro()
