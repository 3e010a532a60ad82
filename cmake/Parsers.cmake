# The translator's four parsers, made by bison from the two grammars: the
# plain and the explained parser of the default grammar (src/parser.y), and
# the same two of the later grammar (src/parser.y joined with src/later.y by
# cmake/join_grammars.cmake), which --relaxed picks.  One list of how each
# is made, read by the build and by the tools that build a translator of
# their own (the grouping probe, the parse-only engines).
#
# As a module (include): vhdl87c_parsers() adds the join and the four bison
# targets to the build (BISON_<TARGET>_OUTPUTS, as bison_target sets them:
# Parser, ExplainedParser, LaterParser, LaterExplainedParser).
#
# As a script, the same four parsers into a folder:
#   cmake -DSOURCE=src -DOUT=DIR [-DBISON=bison] -P cmake/Parsers.cmake
# writes DIR/later_parser.y and, for each parser, DIR/NAME.cc and its
# header DIR/NAME.hh (parser, parser_explained, parser_later,
# parser_later_explained).

# Each parser: its file name, its bison target, its grammar (base: parser.y;
# later: the joined grammar) and the flags that make it.  The explained
# parsers track locations for the explanation and the warnings; the later
# explained one is compiled with EXPLAINED_DEBUG, the explained parser's
# macro under its own prefix.  A new grammar conflict fails the build
# (%expect 0); bison's "other" warnings include the unused null values of
# the single-character tokens, which tests/grammar/grammar_values.sh checks
# are the only ones.
set(VHDL87C_PARSERS parser parser_explained parser_later parser_later_explained)
set(VHDL87C_PARSER_parser_TARGET Parser)
set(VHDL87C_PARSER_parser_GRAMMAR base)
set(VHDL87C_PARSER_parser_FLAGS "")
set(VHDL87C_PARSER_parser_explained_TARGET ExplainedParser)
set(VHDL87C_PARSER_parser_explained_GRAMMAR base)
set(VHDL87C_PARSER_parser_explained_FLAGS "-Dapi.prefix={explained_} --locations -Dapi.location.type={Source_Span}")
set(VHDL87C_PARSER_parser_later_TARGET LaterParser)
set(VHDL87C_PARSER_parser_later_GRAMMAR later)
set(VHDL87C_PARSER_parser_later_FLAGS "-Dapi.prefix={later_}")
set(VHDL87C_PARSER_parser_later_explained_TARGET LaterExplainedParser)
set(VHDL87C_PARSER_parser_later_explained_GRAMMAR later)
set(VHDL87C_PARSER_parser_later_explained_FLAGS "-Dapi.prefix={later_explained_} --locations -Dapi.location.type={Source_Span}")
set(VHDL87C_BISON_WARNINGS "--warnings=all,no-other -Werror")

if(CMAKE_SCRIPT_MODE_FILE AND CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.16)
  foreach(input SOURCE OUT)
    if(NOT DEFINED ${input})
      message(FATAL_ERROR "Parsers.cmake: -D${input}=... is missing")
    endif()
  endforeach()
  if(NOT DEFINED BISON)
    set(BISON bison)
  endif()
  get_filename_component(source "${SOURCE}" ABSOLUTE)
  get_filename_component(out "${OUT}" ABSOLUTE)
  file(MAKE_DIRECTORY "${out}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DBASE=${source}/parser.y -DLATER=${source}/later.y
                          -DOUT=${out}/later_parser.y -P ${CMAKE_CURRENT_LIST_DIR}/join_grammars.cmake
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Parsers.cmake: the join failed")
  endif()
  foreach(name IN LISTS VHDL87C_PARSERS)
    set(grammar ${source}/parser.y)
    if(VHDL87C_PARSER_${name}_GRAMMAR STREQUAL "later")
      set(grammar ${out}/later_parser.y)
    endif()
    separate_arguments(flags UNIX_COMMAND "${VHDL87C_BISON_WARNINGS} ${VHDL87C_PARSER_${name}_FLAGS}")
    execute_process(COMMAND ${BISON} ${flags} --defines=${out}/${name}.hh -o ${out}/${name}.cc ${grammar}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "Parsers.cmake: bison failed on ${name}")
    endif()
  endforeach()
  return()
endif()

function(vhdl87c_parsers)
  set(later_grammar ${CMAKE_CURRENT_BINARY_DIR}/later_parser.y)
  add_custom_command(OUTPUT ${later_grammar}
    COMMAND ${CMAKE_COMMAND} -DBASE=${PROJECT_SOURCE_DIR}/src/parser.y -DLATER=${PROJECT_SOURCE_DIR}/src/later.y
            -DOUT=${later_grammar} -P ${PROJECT_SOURCE_DIR}/cmake/join_grammars.cmake
    DEPENDS src/parser.y src/later.y cmake/join_grammars.cmake
    COMMENT "Joining the later grammar")
  foreach(name IN LISTS VHDL87C_PARSERS)
    set(target ${VHDL87C_PARSER_${name}_TARGET})
    set(grammar src/parser.y)
    if(VHDL87C_PARSER_${name}_GRAMMAR STREQUAL "later")
      set(grammar ${later_grammar})
    endif()
    set(report "")
    if(name STREQUAL "parser" OR name STREQUAL "parser_later")
      set(report VERBOSE REPORT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${name}.output)
    endif()
    bison_target(${target} ${grammar} ${CMAKE_CURRENT_BINARY_DIR}/${name}.cc
                 DEFINES_FILE ${CMAKE_CURRENT_BINARY_DIR}/${name}.hh ${report}
                 COMPILE_FLAGS "${VHDL87C_BISON_WARNINGS} ${VHDL87C_PARSER_${name}_FLAGS}")
    foreach(variable OUTPUTS OUTPUT_SOURCE OUTPUT_HEADER)
      set(BISON_${target}_${variable} ${BISON_${target}_${variable}} PARENT_SCOPE)
    endforeach()
  endforeach()
endfunction()
