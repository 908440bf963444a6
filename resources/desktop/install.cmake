# What `cmake --install` puts under the prefix: the program, its menu entry,
# its icon in the sizes icon themes look for, and its AppStream record.
include(GNUInstallDirs)
# The desktop package's component; the server's files name their own.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME desktop)

set(LEDGERINE_APP_ID com.mellowindvantor.ledgerine)
set(desktop_dir ${CMAKE_CURRENT_LIST_DIR})
set(icons_dest ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS ledgerine RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(LEDGERINE_SHARED_CORE)
  set(core_dir ${CMAKE_INSTALL_LIBDIR}/ledgerine)
  install(TARGETS ledgerine_core LIBRARY DESTINATION ${core_dir})
  file(RELATIVE_PATH core_rel /${CMAKE_INSTALL_BINDIR} /${core_dir})
  set_target_properties(ledgerine PROPERTIES INSTALL_RPATH "$ORIGIN/${core_rel}")
endif()
install(FILES ${desktop_dir}/${LEDGERINE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${LEDGERINE_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256 512)
  install(FILES ${desktop_dir}/icons/ledgerine-${size}.png
    DESTINATION ${icons_dest}/${size}x${size}/apps RENAME ${LEDGERINE_APP_ID}.png)
endforeach()
install(FILES ${desktop_dir}/ledgerine.svg
  DESTINATION ${icons_dest}/scalable/apps RENAME ${LEDGERINE_APP_ID}.svg)
