# Regenerates the atlas into WYNIK and compares it byte for byte with WZORZEC.
execute_process(COMMAND ${GENERATOR} ${WYNIK} RESULT_VARIABLE kod)
if(NOT kod EQUAL 0)
  message(FATAL_ERROR "generuj-atlas failed (${kod})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WYNIK} ${WZORZEC} RESULT_VARIABLE rozne)
if(NOT rozne EQUAL 0)
  message(FATAL_ERROR "${WZORZEC} differs from the generator's output: regenerate it with generuj-atlas")
endif()
