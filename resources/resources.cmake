# Compiled-in resources: one bundle with the migration scripts, the window icon
# and the icon font, one with the translation catalogues.
set(LEDGERINE_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})

find_file(LEDGERINE_ICON_FONT MaterialIcons-Regular.ttf
  PATHS /usr/share/fonts/truetype/material-design-icons-iconfont
  NO_DEFAULT_PATH REQUIRED)

function(ledgerine_add_resources target)
  set(gen ${CMAKE_CURRENT_BINARY_DIR}/generated_resources)
  # The screens address the icon font under its published .otf name.
  configure_file(${LEDGERINE_ICON_FONT} ${gen}/MaterialIcons-Regular.otf COPYONLY)

  set(files
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/001_initial.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/002_recon_sync.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/003_payee_index.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/004_balance_index.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/005_report_index.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/006_sync_state.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/007_report_walks.sql
    ${LEDGERINE_RESOURCE_DIR}/icons/app_icon.png
    ${gen}/MaterialIcons-Regular.otf)
  set(aliases
    sql/sql/migrations/001_initial.sql
    sql/sql/migrations/002_recon_sync.sql
    sql/sql/migrations/003_payee_index.sql
    sql/sql/migrations/004_balance_index.sql
    sql/sql/migrations/005_report_index.sql
    sql/sql/migrations/006_sync_state.sql
    sql/sql/migrations/007_report_walks.sql
    icons/icons/app_icon.png
    fonts/fonts/MaterialIcons-Regular.otf)
  foreach(file alias IN ZIP_LISTS files aliases)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${alias})
  endforeach()
  qt_add_resources(${target} ledgerine_assets PREFIX "/" FILES ${files})

  file(GLOB ts_files ${LEDGERINE_RESOURCE_DIR}/i18n/ledgerine_*.ts)
  qt_add_translations(${target}
    TS_FILES ${ts_files}
    RESOURCE_PREFIX /i18n
    LUPDATE_OPTIONS -no-obsolete)
endfunction()
