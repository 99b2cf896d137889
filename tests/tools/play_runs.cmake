# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Runs suispo-stage play on a stage file with LF line ends and checks its output and exit statuses.
set(file ${WORK}/first.ssp)
file(WRITE ${file} "20000000000000000000000000000030C100000000220000010000010000000000000000010first\n")

execute_process(COMMAND ${TOOL} play --json ${file} 1 "+E N E" S W N W
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "play exited ${rc}")
endif()
string(REGEX MATCHALL "\"x\":[0-9],\"y\":[0-9]" places "${out}")
string(JOIN " " places ${places})
set(expected "\"x\":2,\"y\":5 \"x\":2,\"y\":5 \"x\":2,\"y\":0 \"x\":5,\"y\":0 \"x\":5,\"y\":5 \"x\":3,\"y\":5 \"x\":3,\"y\":0 \"x\":0,\"y\":0")
if(NOT places STREQUAL expected)
  message(FATAL_ERROR "places: ${places}")
endif()
if(NOT out MATCHES "\"event\":\"cleared\"}\n$")
  message(FATAL_ERROR "does not end cleared: ${out}")
endif()

execute_process(COMMAND ${TOOL} play --json ${file} 1 N x OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "'x'")
  message(FATAL_ERROR "an unknown token: ${rc} '${out}' '${err}'")
endif()
execute_process(COMMAND ${TOOL} play ${file} 2 OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "stage out of range exited ${rc}")
endif()
execute_process(COMMAND ${TOOL} play --json ${file} 1 +E N E S W N W N OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "an operation after the clear exited ${rc}")
endif()
