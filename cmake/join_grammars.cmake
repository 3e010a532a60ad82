# Joins the VHDL-87 grammar and the later editions' alternatives into the
# later grammar that --relaxed reads with:
#   cmake -DBASE=src/parser.y -DLATER=src/later.y -DOUT=later_parser.y -P join_grammars.cmake
# The later file's declarations go in front of the base's precedence level of
# the adding operators (so its operators may take a level between the
# relations and them), its productions after the base's, and its epilogue
# replaces the base's.  Nothing of the base is changed or left out.
foreach(var BASE LATER OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "join_grammars: ${var} is not set")
  endif()
endforeach()
file(READ ${BASE} base)
file(READ ${LATER} later)

# Splits a grammar file at its two %% lines.
function(split_grammar text prefix)
  string(REGEX MATCHALL "\n%%[^\n]*\n" marks "${text}")
  list(LENGTH marks count)
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "join_grammars: ${prefix}: expected two %% lines, found ${count}")
  endif()
  string(FIND "${text}" "\n%%\n" first)
  math(EXPR after_first "${first} + 4")
  string(SUBSTRING "${text}" ${after_first} -1 rest)
  string(FIND "${rest}" "\n%%\n" second)
  math(EXPR decl_end "${first} + 1")
  string(SUBSTRING "${text}" 0 ${decl_end} decls)
  math(EXPR rules_end "${second} + 1")
  string(SUBSTRING "${rest}" 0 ${rules_end} rules)
  math(EXPR epilogue_start "${second} + 4")
  string(SUBSTRING "${rest}" ${epilogue_start} -1 epilogue)
  set(${prefix}_decls "${decls}" PARENT_SCOPE)
  set(${prefix}_rules "${rules}" PARENT_SCOPE)
  set(${prefix}_epilogue "${epilogue}" PARENT_SCOPE)
endfunction()

split_grammar("${base}" base)
split_grammar("${later}" later)

string(REGEX MATCH "\n%left[ \t]+t_Plus" level "${base_decls}")
if(NOT level)
  message(FATAL_ERROR "join_grammars: ${BASE} has no %left level of t_Plus")
endif()
string(FIND "${base_decls}" "${level}" at)
math(EXPR at "${at} + 1")
string(SUBSTRING "${base_decls}" 0 ${at} head)
string(SUBSTRING "${base_decls}" ${at} -1 tail)

set(joined "${head}/* ---- from ${LATER} ---- */\n${later_decls}/* ---- end of ${LATER} ---- */\n${tail}%%\n")
string(APPEND joined "${base_rules}\n/* ---- from ${LATER} ---- */\n${later_rules}%%\n${later_epilogue}")
file(WRITE ${OUT}.tmp "${joined}")
file(RENAME ${OUT}.tmp ${OUT})
