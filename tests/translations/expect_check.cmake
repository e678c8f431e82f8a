# Runs the translation check on FOLDER/CASE_de.ts against FOLDER/sources.ts
# and expects the verdict of CASE: "complete" passes silently, every other
# case fails naming the text at fault.
execute_process(COMMAND ${CHECKER} --sources ${FOLDER}/sources.ts
                        --translations ${FOLDER}/${CASE}_de.ts
                RESULT_VARIABLE result ERROR_VARIABLE faults OUTPUT_VARIABLE out)
set(expected_complete "")
set(expected_unfinished "${CASE}_de.ts: unfinished: Battle \"Run!\"\n")
set(expected_missing "missing: zorikan::TForm9 \"Buy\" (the Mart's button)\n")
set(expected_arguments
    "${CASE}_de.ts: arguments %2 %3 where English has %1 %2: Battle \"%1 used %2!\" -> \"%2 von %3!\"\n")
set(expected_plurals
    "${CASE}_de.ts: 1 plural form(s) where de_DE has 2: Tournament \"You won %n Potions!\"\n")
if(CASE STREQUAL "complete")
  set(want_result 0)
else()
  set(want_result 1)
endif()
string(REGEX REPLACE "[0-9]+ fault\\(s\\) in [^\n]*\n$" "" listed "${faults}")
if(NOT result EQUAL want_result OR NOT listed STREQUAL expected_${CASE})
  message(FATAL_ERROR "The check of ${CASE}_de.ts ended with ${result} (not ${want_result}) "
                      "and said:\n${faults}\nwhere it should list:\n${expected_${CASE}}")
endif()
