# Installing, and the Debian package that CPack makes of the installed tree.
# Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)

# The release is the top entry of the changelog: its version must be the
# project's, and its date is the one the metainfo and manual pages carry.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog livenor_changelog_lines ENCODING UTF-8)
list(GET livenor_changelog_lines 0 livenor_changelog_top)
if(NOT livenor_changelog_top MATCHES "^livenor \\(([^)]+)\\)")
    message(FATAL_ERROR "packaging/changelog: the first line does not name a livenor version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog: its top entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
endif()
set(LIVENOR_RELEASE_DATE "")
foreach(line IN LISTS livenor_changelog_lines)
    if(line MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
        list(FIND months ${CMAKE_MATCH_2} month)
        math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
        if(month LESS 10)
            set(month 0${month})
        endif()
        set(LIVENOR_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
        break()
    endif()
endforeach()
if(NOT LIVENOR_RELEASE_DATE MATCHES "^[0-9]+-[01][0-9]-[0-9]+$")
    message(FATAL_ERROR "packaging/changelog: no dated trailer line in the top entry")
endif()

set(livenor_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.desktop.in ${livenor_out}/${LIVENOR_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.metainfo.xml.in ${livenor_out}/${LIVENOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${livenor_out}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.1.in ${livenor_out}/man/livenor.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ru/livenor.1.in ${livenor_out}/man/ru/livenor.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${livenor_out}/changelog COPYONLY)

# Debian wants the changelog and manual pages compressed with gzip -9n (no
# name, no time stamp, so that two builds give the same bytes).
set(livenor_gzipped "")
foreach(file changelog man/livenor.1 man/ru/livenor.1)
    add_custom_command(OUTPUT ${livenor_out}/${file}.gz
        COMMAND gzip -9nkf ${livenor_out}/${file}
        DEPENDS ${livenor_out}/${file}
        VERBATIM)
    list(APPEND livenor_gzipped ${livenor_out}/${file}.gz)
endforeach()
add_custom_target(livenor_package_files ALL DEPENDS ${livenor_gzipped})

install(TARGETS livenor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Hardened as Debian's own programs are: symbols bound at start, and the
# compiler's version note removed from the installed copy.
target_link_options(livenor PRIVATE LINKER:-z,now)
# Qt's project setup gives installed programs a library search path beside
# themselves ($ORIGIN); this one has no libraries of its own there, and finds
# the system's in the system's paths.
set_target_properties(livenor PROPERTIES INSTALL_RPATH "")
install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/livenor\" COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${livenor_out}/${LIVENOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${livenor_out}/${LIVENOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(side IN LISTS LIVENOR_ICON_SIZES)
    install(FILES assets/icons/${side}.png RENAME ${LIVENOR_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()
install(FILES assets/icons/livenor.svg RENAME ${LIVENOR_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${livenor_out}/copyright ${livenor_out}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${livenor_out}/man/livenor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${livenor_out}/man/ru/livenor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME livenor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${LIVENOR_PROJECT_NAME}")
set(CPACK_PACKAGE_CONTACT "${LIVENOR_PROJECT_NAME} <info@${LIVENOR_SITE_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "тесты по биологии для школьников (biology tests for pupils)")
# Lines are wrapped as the control file shows them; an empty line starts a
# paragraph.
set(CPACK_PACKAGE_DESCRIPTION [=[
Ливенор — программа, с которой школьник проверяет свои знания по биологии.
В ней 42 теста по 15 вопросов в пяти разделах: анатомия, ботаника,
животные, общая биология и развивающие тесты для младших школьников.
На каждый вопрос даны три ответа; программа сразу говорит, верен ли ответ,
и объясняет почему, а в конце показывает число верных ответов, процент
и оценку. Программа не хранит ни результатов, ни настроек и не требует сети.

Livenor is a quiz with which a school pupil checks his or her knowledge of
biology: 42 tests of 15 questions in five sections (anatomy, botany,
animals, general biology, and a set for younger pupils). It says at once
whether each answer was right and why, and ends with the score and a grade.
Everything it shows is in Russian; it keeps no results or settings and
needs no network.
]=])
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${LIVENOR_SITE_HOST}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries come from the binary itself; the fonts it prefers to its own
# copies and the opener of the site link are not seen by the linker.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
# The program is stripped; its debug information goes to livenor-dbgsym.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# cpack builds the program and the files above, not every target: tests and
# benchmarks stay unbuilt, and "make install" no longer builds first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
cmake_host_system_information(RESULT livenor_cores QUERY NUMBER_OF_LOGICAL_CORES)
set(CPACK_INSTALL_COMMANDS
    "${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --parallel ${livenor_cores} --target livenor livenor_package_files")
include(CPack)
