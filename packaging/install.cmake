# What the program installs: itself, its desktop entry, AppStream metainfo,
# icons and manual pages. The Debian package is made from this by debian/.
# Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)

# The release is the top entry of debian/changelog: its version must be the
# project's, and its date is the one the metainfo and manual pages carry.
set(livenor_changelog ${CMAKE_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${livenor_changelog})
file(STRINGS ${livenor_changelog} livenor_changelog_lines ENCODING UTF-8)
list(GET livenor_changelog_lines 0 livenor_changelog_top)
if(NOT livenor_changelog_top MATCHES "^livenor \\(([^)]+)\\)")
    message(FATAL_ERROR "debian/changelog: the first line does not name a livenor version")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "debian/changelog: its top entry is ${CMAKE_MATCH_1}, the project is ${PROJECT_VERSION}")
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
    message(FATAL_ERROR "debian/changelog: no dated trailer line in the top entry")
endif()

set(livenor_out ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.desktop.in ${livenor_out}/${LIVENOR_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.metainfo.xml.in ${livenor_out}/${LIVENOR_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/livenor.1.in ${livenor_out}/man/livenor.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ru/livenor.1.in ${livenor_out}/man/ru/livenor.1 @ONLY)

install(TARGETS livenor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Symbols bound at start, as hardened distribution programs are.
target_link_options(livenor PRIVATE LINKER:-z,now)
# Qt's project setup gives installed programs a library search path beside
# themselves ($ORIGIN); this one has no libraries of its own there, and finds
# the system's in the system's paths.
set_target_properties(livenor PROPERTIES INSTALL_RPATH "")
install(FILES ${livenor_out}/${LIVENOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${livenor_out}/${LIVENOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(side IN LISTS LIVENOR_ICON_SIZES)
    install(FILES assets/icons/${side}.png RENAME ${LIVENOR_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps)
endforeach()
install(FILES assets/icons/livenor.svg RENAME ${LIVENOR_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${livenor_out}/man/livenor.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${livenor_out}/man/ru/livenor.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
