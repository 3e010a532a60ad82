# Joins the VHDL-87 grammar and the later editions' alternatives into the
# later grammar that --relaxed reads with:
#   cmake -DBASE=src/parser.y -DLATER=src/later.y -DOUT=later_parser.y -P join_grammars.cmake
# The later file's declarations go in front of the base's precedence level of
# the adding operators (so its operators may take a level between the
# relations and them), its productions after the base's, and its epilogue
# replaces the base's.  Nothing of the base is changed or left out.  Each
# part starts with a #line directive naming its file and line, so bison's
# messages and the generated parser's #line directives (a compiler's error
# in an action) point into parser.y and later.y, not into the joined file.
#
# The join fails, naming the file and the line, on a %% line with more on
# it, on a file without exactly two %% lines, and on a left-hand side of
# later.y that is neither a nonterminal of parser.y nor a later_...
# nonterminal that a production of later.y uses: bison would only call it
# useless, a warning the build does not show.
cmake_minimum_required(VERSION 3.16)
foreach(var BASE LATER OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "join_grammars: ${var} is not set")
  endif()
endforeach()

# The number of line ends in TEXT.
function(count_lines text out)
  string(REGEX MATCHALL "\n" ends "${text}")
  list(LENGTH ends count)
  set(${out} ${count} PARENT_SCOPE)
endfunction()

# Splits a grammar file at its two %% lines: PREFIX_decls, PREFIX_rules and
# PREFIX_epilogue, and the line numbers (from 1) they start at.
function(split_grammar path prefix)
  file(READ "${path}" text)
  string(REGEX MATCHALL "\n%%[^\n]*" marks "\n${text}")
  list(LENGTH marks count)
  foreach(mark IN LISTS marks)
    if(NOT mark STREQUAL "\n%%")
      string(FIND "\n${text}" "${mark}" at)
      string(SUBSTRING "\n${text}" 0 ${at} before)
      count_lines("${before}" number)
      math(EXPR number "${number} + 1")
      string(SUBSTRING "${mark}" 1 -1 shown)
      message(FATAL_ERROR "join_grammars: a grammar file does not split:\n  ${path}:${number}: a %% line holds nothing else: ${shown}")
    endif()
  endforeach()
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "join_grammars: a grammar file does not split:\n  ${path}: expected two %% lines, found ${count}")
  endif()
  string(FIND "\n${text}" "\n%%\n" first)
  string(SUBSTRING "${text}" 0 ${first} decls)
  math(EXPR after_first "${first} + 3")
  string(SUBSTRING "${text}" ${after_first} -1 rest)
  string(FIND "\n${rest}" "\n%%\n" second)
  string(SUBSTRING "${rest}" 0 ${second} rules)
  math(EXPR epilogue_start "${second} + 3")
  string(LENGTH "${rest}" rest_length)
  set(epilogue "")
  if(epilogue_start LESS rest_length)
    string(SUBSTRING "${rest}" ${epilogue_start} -1 epilogue)
  endif()
  count_lines("${decls}" decl_lines)
  count_lines("${rules}" rule_lines)
  math(EXPR rules_line "${decl_lines} + 2")
  math(EXPR epilogue_line "${rules_line} + ${rule_lines} + 1")
  set(${prefix}_decls "${decls}" PARENT_SCOPE)
  set(${prefix}_rules "${rules}" PARENT_SCOPE)
  set(${prefix}_epilogue "${epilogue}" PARENT_SCOPE)
  set(${prefix}_rules_line ${rules_line} PARENT_SCOPE)
  set(${prefix}_epilogue_line ${epilogue_line} PARENT_SCOPE)
endfunction()

# The left-hand sides of a rules section: a name at the start of a line,
# before its ':' on the same line or the next.
function(left_hand_sides rules out)
  string(REGEX MATCHALL "\n[A-Za-z_][A-Za-z_0-9]*[ \t]*\n?[ \t]*:" matches "\n${rules}")
  set(names "")
  foreach(match IN LISTS matches)
    string(REGEX MATCH "[A-Za-z_][A-Za-z_0-9]*" name "${match}")
    list(APPEND names "${name}")
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
  set(${out}_matches "${matches}" PARENT_SCOPE)
endfunction()

split_grammar("${BASE}" base)
split_grammar("${LATER}" later)

# Every left-hand side of later.y is one of parser.y's, or a later_...
# nonterminal of its own that a production of later.y uses.
left_hand_sides("${base_rules}" base_lhs)
left_hand_sides("${later_rules}" later_lhs)
set(problems "")
foreach(match IN LISTS later_lhs_matches)
  string(REGEX MATCH "[A-Za-z_][A-Za-z_0-9]*" name "${match}")
  if(name IN_LIST base_lhs)
    continue()
  endif()
  string(FIND "\n${later_rules}" "${match}" at)
  string(SUBSTRING "\n${later_rules}" 0 ${at} before)
  count_lines("${before}" offset)
  math(EXPR number "${later_rules_line} + ${offset}")
  if(NOT name MATCHES "^later_")
    string(APPEND problems "\n  ${LATER}:${number}: ${name} is no nonterminal of ${BASE} (misspelt?); "
                           "a nonterminal of this file's own is named later_...")
  elseif(NOT later_rules MATCHES "[ \t]${name}[ \t\n;]")
    string(APPEND problems "\n  ${LATER}:${number}: ${name} is used by no production")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "join_grammars: the later grammar would have useless nonterminals:${problems}")
endif()

string(REGEX MATCH "\n%left[ \t]+t_Plus" level "${base_decls}")
if(NOT level)
  message(FATAL_ERROR "join_grammars: ${BASE} has no %left level of t_Plus")
endif()
string(FIND "${base_decls}" "${level}" at)
math(EXPR at "${at} + 1")
string(SUBSTRING "${base_decls}" 0 ${at} head)
string(SUBSTRING "${base_decls}" ${at} -1 tail)
count_lines("${head}" head_lines)
math(EXPR tail_line "${head_lines} + 1")

# Each part after a #line directive: the next line is line N of its file.
set(joined "#line 1 \"${BASE}\"\n${head}#line 1 \"${LATER}\"\n${later_decls}")
string(APPEND joined "#line ${tail_line} \"${BASE}\"\n${tail}%%\n")
string(APPEND joined "#line ${base_rules_line} \"${BASE}\"\n${base_rules}")
string(APPEND joined "#line ${later_rules_line} \"${LATER}\"\n${later_rules}%%\n")
string(APPEND joined "#line ${later_epilogue_line} \"${LATER}\"\n${later_epilogue}")
file(WRITE ${OUT}.tmp "${joined}")
file(RENAME ${OUT}.tmp ${OUT})
