# What `cmake --install` puts where: the programs, their menu entry, icons, AppStream data,
# manual pages (English and German), bash completion and the package's documents.
include(GNUInstallDirs)

set(PARCELON_APP_ID example.brimvale.Parcelon)
set(PARCELON_DATA ${CMAKE_SOURCE_DIR}/data)
set(PARCELON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/brimvale-parcelon)

install(TARGETS bparcelon parcelon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PARCELON_DATA}/${PARCELON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PARCELON_DATA}/${PARCELON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PARCELON_DATA}/completion/parcelon
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/parcelon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${PARCELON_APP_ID}.png)
endforeach()

# Manual pages and the changelog go out compressed, without a time stamp, as Debian wants them.
function(parcelon_gzip source target)
    add_custom_command(OUTPUT ${target}
        COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${target}
        DEPENDS ${source} VERBATIM)
endfunction()

set(compressed)
foreach(page parcelon bparcelon)
    foreach(language en de)
        if(language STREQUAL en)
            set(source ${PARCELON_DATA}/man/${page}.1)
            set(folder ${CMAKE_INSTALL_MANDIR}/man1)
        else()
            set(source ${PARCELON_DATA}/man/${language}/${page}.1)
            set(folder ${CMAKE_INSTALL_MANDIR}/${language}/man1)
        endif()
        set(target ${CMAKE_BINARY_DIR}/man/${language}/${page}.1.gz)
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man/${language})
        parcelon_gzip(${source} ${target})
        list(APPEND compressed ${target})
        install(FILES ${target} DESTINATION ${folder})
    endforeach()
endforeach()

set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
parcelon_gzip(${PARCELON_DATA}/package/changelog ${changelog})
list(APPEND compressed ${changelog})
add_custom_target(parcelon_compressed_documents ALL DEPENDS ${compressed})
install(FILES ${changelog} ${PARCELON_DATA}/package/copyright DESTINATION ${PARCELON_DOC_DIR})
