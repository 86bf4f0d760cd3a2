# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DVALIDATE=desktop-file-validate
#       -DTRANSLATIONS_FROM_PROGRAM=../share/kavor_lintep/translations -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(entry ${PREFIX}/${DATADIR}/applications/kavor_lintep.desktop)
if(NOT EXISTS ${entry})
  message(FATAL_ERROR "no desktop entry at ${entry}")
endif()
execute_process(COMMAND ${VALIDATE} ${entry} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "desktop-file-validate rejects ${entry}")
endif()

# The entry names the program and the icon by name: both must be where a desktop looks for those names.
file(STRINGS ${entry} exec REGEX "^Exec=")
file(STRINGS ${entry} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(NOT EXISTS ${PREFIX}/${BINDIR}/${exec} OR IS_DIRECTORY ${PREFIX}/${BINDIR}/${exec})
  message(FATAL_ERROR "Exec=${exec}, but ${PREFIX}/${BINDIR} holds no such program")
endif()
set(png ${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/${icon}.png)
if(NOT EXISTS ${png})
  message(FATAL_ERROR "Icon=${icon}, but there is no ${png}")
endif()
# The PNG signature, then the header's width and height.
file(READ ${png} head LIMIT 24 HEX)
string(SUBSTRING "${head}" 0 16 signature)
string(SUBSTRING "${head}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000002000000020")
  message(FATAL_ERROR "${png} is not a 32 x 32 PNG")
endif()

# The program's translation where the installed program looks for it, from its own folder.
set(qm ${PREFIX}/${BINDIR}/${TRANSLATIONS_FROM_PROGRAM}/kavor_lintep_ja.qm)
if(NOT EXISTS ${qm})
  message(FATAL_ERROR "the program looks for its translation at ${qm}, which was not installed")
endif()
