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
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/008_sync_conflicts.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/009_statement_ids.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/010_shared_accounts.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/011_register_order.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/012_csv_profiles.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/013_csv_profile_sync.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/014_search_index_pause.sql
    ${LEDGERINE_RESOURCE_DIR}/sql/migrations/015_server_id_index.sql
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
    sql/sql/migrations/008_sync_conflicts.sql
    sql/sql/migrations/009_statement_ids.sql
    sql/sql/migrations/010_shared_accounts.sql
    sql/sql/migrations/011_register_order.sql
    sql/sql/migrations/012_csv_profiles.sql
    sql/sql/migrations/013_csv_profile_sync.sql
    sql/sql/migrations/014_search_index_pause.sql
    sql/sql/migrations/015_server_id_index.sql
    icons/icons/app_icon.png
    fonts/fonts/MaterialIcons-Regular.otf)
  foreach(file alias IN ZIP_LISTS files aliases)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${alias})
  endforeach()
  qt_add_resources(${target} ledgerine_assets PREFIX "/" FILES ${files})

  # The catalogues carry no line numbers, so they change only when texts do.
  # English is the source language: its catalogue holds the plural forms only.
  set(i18n ${LEDGERINE_RESOURCE_DIR}/i18n)
  set(ts_translated ${i18n}/ledgerine_de.ts ${i18n}/ledgerine_es.ts ${i18n}/ledgerine_fr.ts
    ${i18n}/ledgerine_ja.ts)
  set(ts_english ${i18n}/ledgerine_en.ts)
  set(lupdate_options -locations none -no-obsolete)
  get_target_property(sources ${target} SOURCES)
  get_target_property(includes ${target} INCLUDE_DIRECTORIES)
  qt_add_lupdate(${target} TS_FILES ${ts_translated}
    SOURCES ${sources} INCLUDE_DIRECTORIES ${includes} OPTIONS ${lupdate_options})
  qt_add_lupdate(${target}_plurals TS_FILES ${ts_english}
    SOURCES ${sources} INCLUDE_DIRECTORIES ${includes} OPTIONS ${lupdate_options} -pluralonly)
  qt_add_lrelease(${target} TS_FILES ${ts_english} ${ts_translated}
    QM_FILES_OUTPUT_VARIABLE qm_files)
  qt_add_resources(${target} ledgerine_translations PREFIX /i18n
    BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()
