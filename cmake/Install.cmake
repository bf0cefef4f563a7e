# cmake --install (scripts/install PREFIX): the game as a desktop installs it. The game finds its
# data.dat from the executable's folder, so the prefix can be moved whole (library/ArchivePlaces).
set(HM_APP_ID io.github.hollowmere.Hollowmere)

# The desktop's icons: the window's lantern at each size of the icon theme.
set(HM_ICON_THEME ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${HM_ICON_THEME}/256x256/apps/${HM_APP_ID}.png
  COMMAND hm-assetgen --desktop-icons ${HM_ICON_THEME} ${HM_APP_ID}
  DEPENDS hm-assetgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${HM_ICON_THEME}/256x256/apps/${HM_APP_ID}.png)

install(TARGETS hollowmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${HM_ARCHIVE} DESTINATION ${CMAKE_INSTALL_DATADIR}/${HM_DATA_NAME})
install(FILES LICENSE THIRD_PARTY_NOTICES.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES dist/linux/${HM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/linux/${HM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${HM_ICON_THEME} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
