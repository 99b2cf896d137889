# SPDX-FileCopyrightText: 2026 The suispo developers
# SPDX-License-Identifier: MIT
# Fails when an include runs against the layers core -> assets -> view -> app, tools, bench, or is not
# rooted at the top folder (the tests too). Run as: cmake -DSOURCE_DIR=<top folder> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# What each layer may include besides the standard library (and Qt, from assets on). "suispo/" is the
# build's generated header folder.
set(allowed_core core)
set(allowed_assets core assets)
set(allowed_view core assets view)
set(allowed_app core assets view app suispo)
set(allowed_tools core assets view tools suispo)
set(allowed_bench core assets view bench suispo)
# The tests may use every layer, but they too include by rooted paths.
set(allowed_tests core assets view app tools bench tests suispo)
set(project_roots core assets view app tools bench tests suispo)

set(faults "")
foreach(layer core assets view app tools bench tests)
  file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include [\"<]")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"([^\"]+)\"")
        set(included "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "/.*" "" root "${included}")
        if(NOT included MATCHES "/" OR NOT root IN_LIST project_roots)
          list(APPEND faults "${source}: \"${included}\" is not rooted (write \"<folder>/...\" from the top)")
        elseif(NOT root IN_LIST allowed_${layer})
          list(APPEND faults "${source}: \"${included}\" points back from ${layer} to ${root}")
        endif()
      elseif(layer STREQUAL "core" AND line MATCHES "^#include <Q")
        list(APPEND faults "${source}: ${line}: the rules use no Qt")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
