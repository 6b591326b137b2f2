# Tests of the Linux desktop integration.
tandrel_unit_test(xdg_autoplay_test xdg_autoplay_test.cpp)
tandrel_unit_test(desktop_wallpaper_test desktop_wallpaper_test.cpp)
tandrel_unit_test(disc_argument_test disc_argument_test.cpp)
