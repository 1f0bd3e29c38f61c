# Notification-area window, about window and launcher: their plain-C++ tables and rules
# (no Qt), and their windows.

set(ZW_PRODUCT_WEBSITE "http://www.zunderwerk.de/" CACHE STRING "The product's web site, shown in the about window and the tray menu")
set(ZW_PRODUCT_EMAIL "kontakt@zunderwerk.de" CACHE STRING "The product's contact mail address, shown in the about window")
configure_file(${CMAKE_CURRENT_LIST_DIR}/product_contact.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/product_contact.h @ONLY)

add_library(zw_shell_tables STATIC
  ${CMAKE_CURRENT_LIST_DIR}/quick_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray_callback.cpp
  ${CMAKE_CURRENT_LIST_DIR}/contact_links.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launcher_entries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shutdown_dialogs.cpp)
target_include_directories(zw_shell_tables PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_BINARY_DIR}/generated
  ${PROJECT_SOURCE_DIR}/src)
zw_warnings(zw_shell_tables)

if(ZW_BUILD_GUI)
  add_library(zw_trayabout_windows STATIC
    ${CMAKE_CURRENT_LIST_DIR}/minimiert.cpp
    ${CMAKE_CURRENT_LIST_DIR}/info_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tools_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/contact_links_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shutdown_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/trayabout_windows.cpp)
  target_link_libraries(zw_trayabout_windows PUBLIC zw_shell zw_shell_tables zw_tweak_core Qt6::Widgets)
  zw_warnings(zw_trayabout_windows)
endif()
