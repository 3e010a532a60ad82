# The one list of reserved words and token spellings (src/tokens.def), read
# by CMake: no other tool is needed to build.
#
# As a module (include): token_list_read(PATH PREFIX) sets PREFIX_KINDS,
# PREFIX_SPELLINGS and PREFIX_TOKENS, three lists of one entry per line of
# the list, in its order (a spelling's backslashes as written in the list,
# a semicolon as <semicolon>).
#
# As a script (cmake -P), the check that runs before the scanner and the
# parser are compiled:
#   cmake -DTOKENS=src/tokens.def -DSCANNER=src/scanner.l -DGRAMMAR=src/parser.y
#         -DLATER=src/later.y [-DSTAMP=FILE] -P cmake/TokenList.cmake
# fails, naming what to add or remove, unless
#   - every reserved word (but a later edition's, LATER_WORD), delimiter and
#     replacement character of the list
#     has its scanner rule, `"SPELLING"  { return p(TOKEN); }` (the six
#     character tokens: `{ yylval = nullptr; return 'C'; }`), and every such
#     rule of the scanner is in the list;
#   - every token of the list but the character tokens and the later
#     editions' words is declared with %token in the grammar, and every
#     %token t_... of the grammar is in the list;
#   - every later edition's word (LATER_WORD) is declared with %token in the
#     later grammar (LATER), and every %token t_... of it is such a word.
# On success it touches STAMP.

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.16)
endif()

function(token_list_read path prefix)
  file(STRINGS "${path}" lines REGEX "^[A-Z_]+\\(\"")
  set(kinds "")
  set(spellings "")
  set(tokens "")
  foreach(line IN LISTS lines)
    # A semicolon would split a CMake list: it is kept as <semicolon>.
    string(REPLACE ";" "<semicolon>" line "${line}")
    if(NOT line MATCHES "^(RESERVED_WORD|LATER_WORD|DELIMITER|OTHER_SPELLING|TOKEN_CLASS)\\(\"((\\\\.|[^\"\\\\])*)\", *([A-Za-z_]+|'[^']+')\\)$")
      message(FATAL_ERROR "${path}: cannot read the line\n  ${line}")
    endif()
    list(APPEND kinds "${CMAKE_MATCH_1}")
    list(APPEND spellings "${CMAKE_MATCH_2}")
    list(APPEND tokens "${CMAKE_MATCH_4}")
  endforeach()
  set(${prefix}_KINDS "${kinds}" PARENT_SCOPE)
  set(${prefix}_SPELLINGS "${spellings}" PARENT_SCOPE)
  set(${prefix}_TOKENS "${tokens}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(input TOKENS SCANNER GRAMMAR LATER)
    if(NOT DEFINED ${input})
      message(FATAL_ERROR "TokenList.cmake: -D${input}=FILE is missing")
    endif()
  endforeach()
  token_list_read("${TOKENS}" list)

  # The scanner's rules for fixed texts: "SPELLING" then the token returned.
  file(STRINGS "${SCANNER}" rules REGEX "^\"[^\"]+\" +\\{ (return p\\(t_[A-Za-z]+\\)|yylval = nullptr; return '.'); \\}$")
  set(rule_keys "")
  foreach(rule IN LISTS rules)
    string(REGEX MATCH "^\"([^\"]+)\" +\\{ (return p\\((t_[A-Za-z]+)\\)|yylval = nullptr; return ('.')); \\}$" ignored "${rule}")
    set(key "${CMAKE_MATCH_1} ${CMAKE_MATCH_3}${CMAKE_MATCH_4}")
    string(REPLACE ";" "<semicolon>" key "${key}")
    list(APPEND rule_keys "${key}")
  endforeach()

  # The tokens a grammar file declares.
  function(declared_tokens path out)
    file(STRINGS "${path}" declarations REGEX "^%token +t_[A-Za-z]+")
    set(tokens "")
    foreach(declaration IN LISTS declarations)
      string(REGEX MATCH "^%token +(t_[A-Za-z]+)" ignored "${declaration}")
      list(APPEND tokens "${CMAKE_MATCH_1}")
    endforeach()
    set(${out} "${tokens}" PARENT_SCOPE)
  endfunction()
  declared_tokens("${GRAMMAR}" declared)
  declared_tokens("${LATER}" later_declared)
  set(later_tokens "")

  set(problems "")
  set(list_keys "")
  set(list_tokens "")
  list(LENGTH list_KINDS count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    list(GET list_KINDS ${i} kind)
    list(GET list_SPELLINGS ${i} spelling)
    list(GET list_TOKENS ${i} token)
    # A later edition's word has no scanner rule and is declared by the
    # later grammar, not by the default one.
    if(kind STREQUAL "LATER_WORD")
      list(APPEND later_tokens "${token}")
      if(NOT token IN_LIST later_declared)
        string(APPEND problems "\n  ${LATER} does not declare ${token}; add a line among its %token lines:\n    %token ${token} NUMBER")
      endif()
      continue()
    endif()
    string(REPLACE "\\\\" "\\" text "${spelling}")
    list(APPEND list_tokens "${token}")
    if(NOT kind STREQUAL "TOKEN_CLASS")
      list(APPEND list_keys "${text} ${token}")
      if(NOT "${text} ${token}" IN_LIST rule_keys)
        if(token MATCHES "^'")
          string(APPEND problems "\n  ${SCANNER} has no rule for \"${text}\"; add:\n    \"${text}\" { yylval = nullptr; return ${token}; }")
        else()
          string(APPEND problems "\n  ${SCANNER} has no rule for \"${text}\"; add:\n    \"${text}\" { return p(${token}); }")
        endif()
      endif()
    endif()
    if(NOT token MATCHES "^'" AND NOT token IN_LIST declared)
      string(APPEND problems "\n  ${GRAMMAR} does not declare ${token}; add a line among its %token lines:\n    %token ${token} NUMBER")
    endif()
  endforeach()
  foreach(key IN LISTS rule_keys)
    if(NOT key IN_LIST list_keys)
      string(APPEND problems "\n  ${SCANNER} has a rule (text and token: ${key}) that ${TOKENS} does not list")
    endif()
  endforeach()
  foreach(token IN LISTS declared)
    if(NOT token IN_LIST list_tokens)
      string(APPEND problems "\n  ${GRAMMAR} declares ${token}, which ${TOKENS} does not list")
    endif()
  endforeach()
  foreach(token IN LISTS later_declared)
    if(NOT token IN_LIST later_tokens)
      string(APPEND problems "\n  ${LATER} declares ${token}, which ${TOKENS} does not list as a LATER_WORD")
    endif()
  endforeach()
  if(problems)
    string(REPLACE "<semicolon>" ";" problems "${problems}")
    message(FATAL_ERROR "The token list, the scanner and the grammar disagree:${problems}")
  endif()
  if(DEFINED STAMP)
    file(TOUCH "${STAMP}")
  endif()
endif()
