# Installs the build into a fresh prefix and checks what a user of the installation meets: the
# programs and the whole data folder where they belong, both programs finding the installed data
# from a working directory that has none, and (with the editor) a valid desktop entry that a file
# manager associates with .vxm projects.
#   cmake -DBUDOWA=<build> -DZRODLA=<sources> -DCLI=<built vialtor-cli> -DEDYTOR=<ON|OFF>
#         -P sprawdz_instalacje.cmake
cmake_minimum_required(VERSION 3.20)

# Outside the source tree: an installed program that missed its own data would find the tree's
# "data" above it and pass.
if(DEFINED ENV{TMPDIR})
  set(tymczasowy $ENV{TMPDIR})
else()
  set(tymczasowy /tmp)
endif()
string(RANDOM LENGTH 10 los)
set(KATALOG ${tymczasowy}/vialtor-instalacja-${los})
file(MAKE_DIRECTORY ${KATALOG}/prefiks ${KATALOG}/roboczy)
# The programs name their data folder by their resolved path.
file(REAL_PATH ${KATALOG} KATALOG)
set(PREFIKS ${KATALOG}/prefiks)
set(ROBOCZY ${KATALOG}/roboczy)
set(DANE ${PREFIKS}/share/vialtor/data)

function(blad)
  string(JOIN "" tekst ${ARGN})
  file(REMOVE_RECURSE ${KATALOG})
  message(FATAL_ERROR "${tekst}")
endfunction()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUDOWA} --prefix ${PREFIKS}
                RESULT_VARIABLE kod OUTPUT_QUIET ERROR_VARIABLE bledy)
if(NOT kod EQUAL 0)
  blad("cmake --install: ${kod}\n${bledy}")
endif()

set(oczekiwane bin/vialtor-cli)
if(EDYTOR)
  # The map module where the installed editor looks for it (beside bin, in lib/vialtor).
  list(APPEND oczekiwane bin/vialtor lib/vialtor/libvialtor_mapy_modul.so share/applications/vialtor.desktop
       share/mime/packages/vialtor.xml)
endif()
foreach(plik ${oczekiwane})
  if(NOT EXISTS ${PREFIKS}/${plik})
    blad("brak ${PREFIKS}/${plik}")
  endif()
endforeach()

file(GLOB_RECURSE zrodlowe RELATIVE ${ZRODLA}/data ${ZRODLA}/data/*)
file(GLOB_RECURSE zainstalowane RELATIVE ${DANE} ${DANE}/*)
list(SORT zrodlowe)
list(SORT zainstalowane)
if(NOT zrodlowe STREQUAL zainstalowane OR NOT "dataeditor/sb.txt" IN_LIST zainstalowane)
  blad("folder danych zainstalowany niecały:\n${zainstalowane}\nzamiast\n${zrodlowe}")
endif()

# vialtor-cli: finds the installed folder and reads the installed sample as the build does.
execute_process(COMMAND ${PREFIKS}/bin/vialtor-cli --help WORKING_DIRECTORY ${ROBOCZY}
                OUTPUT_VARIABLE pomoc RESULT_VARIABLE kod)
string(FIND "${pomoc}" "teraz: ${DANE})" miejsce)
if(NOT kod EQUAL 0 OR miejsce EQUAL -1)
  blad("zainstalowany vialtor-cli nie znajduje ${DANE}:\n${pomoc}")
endif()
execute_process(COMMAND ${PREFIKS}/bin/vialtor-cli info ${DANE}/projects/elblag_petla.vxm
                WORKING_DIRECTORY ${ROBOCZY} OUTPUT_VARIABLE info RESULT_VARIABLE kod ERROR_VARIABLE bledy)
execute_process(COMMAND ${CLI} info ${ZRODLA}/data/projects/elblag_petla.vxm OUTPUT_VARIABLE info_budowy)
if(NOT kod EQUAL 0 OR NOT info STREQUAL info_budowy OR info STREQUAL "")
  blad("info na zainstalowanej próbce (${kod}):\n${info}${bledy}\nzamiast\n${info_budowy}")
endif()

if(NOT EDYTOR)
  file(REMOVE_RECURSE ${KATALOG})
  return()
endif()

# The desktop entry is valid and, once the databases are built as a desktop does, a .vxm file is
# a Vialtor project that opens in the editor.
find_program(WALIDATOR desktop-file-validate REQUIRED)
find_program(BAZA_TYPOW update-mime-database REQUIRED)
find_program(BAZA_PROGRAMOW update-desktop-database REQUIRED)
execute_process(COMMAND ${WALIDATOR} ${PREFIKS}/share/applications/vialtor.desktop
                RESULT_VARIABLE kod OUTPUT_VARIABLE uwagi ERROR_VARIABLE uwagi)
if(NOT kod EQUAL 0 OR NOT uwagi STREQUAL "")
  blad("desktop-file-validate: ${uwagi}")
endif()
execute_process(COMMAND ${BAZA_TYPOW} ${PREFIKS}/share/mime RESULT_VARIABLE kod ERROR_VARIABLE bledy)
file(STRINGS ${PREFIKS}/share/mime/globs2 wzorce REGEX ":application/x-vialtor-project:\\*\\.vxm$")
if(NOT kod EQUAL 0 OR wzorce STREQUAL "")
  blad("update-mime-database nie przypisuje *.vxm do application/x-vialtor-project (${kod}): ${bledy}")
endif()
execute_process(COMMAND ${BAZA_PROGRAMOW} ${PREFIKS}/share/applications RESULT_VARIABLE kod ERROR_VARIABLE bledy)
file(STRINGS ${PREFIKS}/share/applications/mimeinfo.cache skojarzenia
     REGEX "^application/x-vialtor-project=.*vialtor\\.desktop;")
if(NOT kod EQUAL 0 OR skojarzenia STREQUAL "")
  blad("update-desktop-database nie kojarzy projektów z vialtor.desktop (${kod}): ${bledy}")
endif()

# The installed editor, started from a folder without data on an installed sample, draws its
# first frame with the installed template library and event symbols (it logs when it cannot read
# the library and prints the path of every texture it loads).
# Leaks at exit are for the editor's own tests: in a sanitized build some of Mesa's and X's
# allocations break the stack unwinding and escape the suppressions.
execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                        ${PREFIKS}/bin/vialtor --zrzut ${ROBOCZY}/kadr.png ${DANE}/projects/elblag_petla.vxm
                WORKING_DIRECTORY ${ROBOCZY} TIMEOUT 120
                RESULT_VARIABLE kod OUTPUT_VARIABLE wyjscie ERROR_VARIABLE bledy)
if(NOT kod EQUAL 0 OR NOT EXISTS ${ROBOCZY}/kadr.png OR NOT EXISTS ${ROBOCZY}/!log.txt)
  blad("zainstalowany vialtor nie pokazał pierwszej klatki (${kod}):\n${wyjscie}${bledy}")
endif()
file(READ ${ROBOCZY}/!log.txt log)
string(FIND "${log}" "Txt błąd otwarcia pliku" bez_szablonow)
string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" wzor_danych "${DANE}")
string(REGEX MATCH "Load texture ${wzor_danych}/dataeditor/ev\\.bmp [0-9x]+ ok" symbole "${wyjscie}")
if(NOT bez_szablonow EQUAL -1 OR symbole STREQUAL "")
  blad("zainstalowany vialtor nie znalazł swoich danych:\n${log}\n${wyjscie}")
endif()

file(REMOVE_RECURSE ${KATALOG})
