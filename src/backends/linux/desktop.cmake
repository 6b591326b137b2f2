# Sources of the Linux desktop integration, added to tandrel_linux.
target_sources(tandrel_linux PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/desktop_wallpaper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_argument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xdg_autoplay.cpp
)
