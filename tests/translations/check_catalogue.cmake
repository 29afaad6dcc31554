# Runs lupdate with the build's options over a copy of each catalogue and
# fails when the copy differs from the committed file.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
foreach(catalogue ${CATALOGUES})
  get_filename_component(name ${catalogue} NAME)
  if(NOT EXISTS ${catalogue})
    message(FATAL_ERROR "${catalogue} is missing; build the target update_translations")
  endif()
  file(COPY ${catalogue} DESTINATION ${SCRATCH})
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language en
            -I ${INCLUDE_DIR} @${SOURCES_LIST} -ts ${SCRATCH}/${name}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result})")
  endif()
  file(READ ${catalogue} committed)
  file(READ ${SCRATCH}/${name} updated)
  if(NOT committed STREQUAL updated)
    execute_process(COMMAND diff -u ${catalogue} ${SCRATCH}/${name})
    message(FATAL_ERROR "${name} is not current: build the target update_translations and commit it")
  endif()
endforeach()
