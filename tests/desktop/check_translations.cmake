# Every text the program shows has a finished German translation, and every plural text its
# English forms: the sources are gathered afresh into copies of the translation files, and any
# entry left unfinished (a new or changed text) fails the check.
#   cmake -DLUPDATE=... -DSOURCES=... -DTRANSLATIONS=... -DWORK=... -P check_translations.cmake
file(MAKE_DIRECTORY "${WORK}")
foreach(language de en)
  set(copy "${WORK}/skelvor_${language}.ts")
  file(COPY_FILE "${TRANSLATIONS}/skelvor_${language}.ts" "${copy}")
  set(plurals "")
  if(language STREQUAL "en")
    set(plurals "-pluralonly")
  endif()
  execute_process(COMMAND "${LUPDATE}" -locations none -no-obsolete ${plurals} "${SOURCES}"
                          -ts "${copy}"
                  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE problems)
  if(failed OR problems MATCHES "[Ww]arning|[Ee]rror")
    message(FATAL_ERROR "lupdate could not read the sources: ${problems}")
  endif()
  file(READ "${copy}" entries)
  string(REGEX MATCHALL "<message[^>]*>[ \n]*<source>[^<]*</source>[ \n]*<translation type=\"unfinished\""
         unfinished "${entries}")
  if(unfinished)
    string(REGEX REPLACE "<message[^>]*>[ \n]*<source>([^<]*)</source>[^;]*" "\n  \\1" names
           "${unfinished}")
    message(FATAL_ERROR "texts without a finished ${language} translation "
                        "(run tools/translations.sh and translate them):${names}")
  endif()
endforeach()
